"""What a screenshot shows: the pixels of a box, and the contrast of what is drawn there."""

import collections
import subprocess


def pixels(path, x, y, width, height):
    """The pixels of a box of a PNG, as (r, g, b) tuples, read through ImageMagick's PPM."""
    ppm = subprocess.run(["convert", path, "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                          "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    fields = ppm.split(maxsplit=4)
    data = fields[4]
    return [tuple(data[i:i + 3]) for i in range(0, len(data) - 2, 3)]


def contrast(a, b):
    """WCAG 2's contrast ratio of two (r, g, b) colours."""
    def luminance(colour):
        r, g, b = (c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
                   for c in (channel / 255 for channel in colour))
        return 0.2126 * r + 0.7152 * g + 0.0722 * b
    la, lb = luminance(a) + 0.05, luminance(b) + 0.05
    return max(la, lb) / min(la, lb)


def ink(box_pixels):
    """The colours of the text in a box and of its background: the most frequent colour is the
    background, the colour that differs most from it is the ink."""
    background = collections.Counter(box_pixels).most_common(1)[0][0]
    return max(set(box_pixels), key=lambda pixel: contrast(pixel, background)), background


def ink_contrast(box_pixels):
    """The contrast of the text in a box."""
    return contrast(*ink(box_pixels))


def band(path, box, inner, outer):
    """The pixels of a screenshot between a box grown by `inner` and by `outer` pixels (either
    may be negative, inside the box), always in the same order."""
    x, y, width, height = box
    left, top, across, down = x - outer, y - outer, width + 2 * outer, height + 2 * outer
    area = pixels(path, left, top, across, down)
    edge = outer - inner
    return [area[row * across + column] for row in range(down) for column in range(across)
            if not (edge <= row < down - edge and edge <= column < across - edge)]
