"""The Windows program's window as UI Automation reads it and as a screenshot shows it, on one
desktop (Windows version, light or dark, DPI): the controls' names, types and values as on
Linux, every text at 4.5:1 or more against its background, and the focused field's ring at
3:1 or more against the same pixels unfocused. Usage: look.py SHOTS/NAME SCALE LEFT TOP, where
SHOTS/NAME.uia is uia.exe's list, NAME.png the window with the popup focused, NAME-list.png its
list open, NAME-tabbed.png the length field focused, and LEFT, TOP where the X server has the client area;
exits 1 on a failed check."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from pixels import band, contrast, ink_contrast, pixels  # noqa: E402

FORMULA = "Vd (20\u00b0C) = ( Length x Current x 0.0175 ) / Area"
# What a screen reader finds, as on Linux: (control type, name, value).
EXPECTED = [
    ("combo box", "Material", "Copper"),
    ("edit", "Current in amperes", "0.350"),
    ("edit", "Total cable length in metres", "60"),
    ("edit", "Cable diameter in millimetres", "0.51054"),
    ("edit", "Cable area in square millimetres", "0.20471"),
    ("status bar", "Voltage drop = 1.795 volts", ""),
    ("text", FORMULA, ""),
]

base, scale, left, top = sys.argv[1], float(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
name = os.path.basename(base)
with open(base + ".uia", encoding="utf-8") as listing:
    rows = [line.rstrip("\n").split("|") for line in listing if line.strip()]
# (type, name): (value, box)
controls = {(r[0], r[1]): (r[2], tuple(int(v) for v in r[3].split(","))) for r in rows}
# Above 96 DPI Qt under Wine places the window's elements some pixels off where the X server
# shows the window (12 too high at 150 %): boxes are taken relative to the window's own.
window = next(where for (kind, _), (_, where) in controls.items() if kind == "window")
dx, dy = left - window[0], top - window[1]
boxes = {key: (x + dx, y + dy, width, height)
         for key, (_, (x, y, width, height)) in controls.items()}
failed = False


def check(condition, message):
    global failed
    print(("ok   " if condition else "FAIL ") + f"{name}: {message}", flush=True)
    failed = failed or not condition


# Wine 10's UI Automation client answers a value (GetCurrentPropertyValue with
# UIA_ValueValuePropertyId, and the value pattern) with E_NOTIMPL: there the values go unread.
UNANSWERED = "?80004001"
read = [controls.get((kind, label), (None,))[0] for kind, label, _ in EXPECTED]
wrong = [(kind, label, got) for (kind, label, value), got in zip(EXPECTED, read)
         if got not in (value, UNANSWERED)]
check(("frame", "fixed") in controls, "the window's frame is fixed: no sizing border")
check(not wrong, f"UI Automation finds the {len(EXPECTED)} controls by type and name, with their values"
      f" ({read.count(UNANSWERED)} unanswered: E_NOTIMPL); wrong or missing: {wrong}")

ratios = {label: ink_contrast(pixels(base + ".png", x + 2, y + 2, width - 4, height - 4))
          for kind, label, _ in EXPECTED if (kind, label) in boxes
          for x, y, width, height in [boxes[(kind, label)]]}
shown = ", ".join(f"{label!r} {ratio:.1f}" for label, ratio in ratios.items())
check(len(ratios) == len(EXPECTED) and min(ratios.values()) >= 4.5,
      f"every text reads at 4.5:1 or more on screen: {shown}")

# Alt+Down opens the list the first time, over the rows below the popup; OCR reads dark on light.
popup = boxes.get(("combo box", "Material"))
if popup:
    x, y, width, height = area = (popup[0], popup[1] + popup[3], popup[2], 6 * popup[3])
    dark = ["-negate"] * (sum(map(sum, pixels(base + "-list.png", *area))) < 3 * 128 * width * height)
    subprocess.run(["convert", base + "-list.png", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                    "-colorspace", "Gray", *dark, "-resize", "300%", base + "-list-box.png"], check=True)
    listed = subprocess.check_output(["tesseract", base + "-list-box.png", "-", "--psm", "6"], text=True)
    # The rows below the highlighted one: a list that did not open shows none of them.
    rows = [row for row in ("Aluminium", "Gold", "Silver", "Iron", "Lead") if row in listed]
    check(len(rows) >= 4, f"Alt+Down opens the list at once: read {listed.split()[:6]}")

field = boxes.get(("edit", "Total cable length in metres"))
if field:
    inner, outer = round(scale), round(3 * scale)
    # Where a scale rounds, UI Automation may put the field a pixel off where it is drawn.
    ring = max(min(contrast(a, b) for a, b in zip(band(base + "-tabbed.png", box, inner, outer),
                                                  band(base + ".png", box, inner, outer)))
               for box in [(field[0] + i, field[1] + j, *field[2:]) for i in (-1, 0, 1) for j in (-1, 0, 1)])
    check(ring >= 3, f"the length field's focus ring differs from its unfocused pixels by {ring:.2f}:1 at least")
sys.exit(1 if failed else 0)
