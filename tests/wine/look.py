"""The Windows program's window as UI Automation reads it and as a screenshot shows it, on one
desktop (Windows version, light or dark, DPI): the controls' names, types and values as on
Linux, every text at 4.5:1 or more against its background, and the focused field's ring at
3:1 or more against the same pixels unfocused. Usage: look.py SHOTS/NAME SCALE LEFT TOP, where
SHOTS/NAME.uia is uia.exe's list, NAME.png the window with the popup focused, NAME-tabbed.png
with the length field focused, and LEFT, TOP where the X server has the window's client area;
exits 1 on a failed check."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from pixels import band, contrast, ink_contrast, pixels  # noqa: E402

FORMULA = "Vd (20\u00b0C) = ( Length x Current x 0.0175 ) / Area"
# What a screen reader finds, as on Linux: (control type, name, value).
EXPECTED = [
    ("combo box", "Material", "Copper"),
    ("edit", "Current (A):", "0.350"),
    ("edit", "Total cable length (m):", "60"),
    ("edit", "Cable diameter (mm):", "0.51054"),
    ("edit", "Cable area (mm2):", "0.20471"),
    ("status bar", "Voltage drop = 1.795V", ""),
    ("text", FORMULA, ""),
]

base, scale, left, top = sys.argv[1], float(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
name = os.path.basename(base)
with open(base + ".uia", encoding="utf-8") as listing:
    controls = [line.rstrip("\n").split("|") for line in listing if line.strip()]
# Above 96 DPI Qt under Wine places the window's elements some pixels off where the X server
# shows the window (12 too high at 150 %): boxes are taken relative to the window's own.
window = next(tuple(int(v) for v in c[3].split(",")) for c in controls if c[0] == "window")
shift = (left - window[0], top - window[1])
failed = False


def check(condition, message):
    global failed
    print(("ok   " if condition else "FAIL ") + f"{name}: {message}", flush=True)
    failed = failed or not condition


def box(kind, label):
    found = next((tuple(int(v) for v in c[3].split(",")) for c in controls
                  if c[0] == kind and c[1] == label), None)
    return found and (found[0] + shift[0], found[1] + shift[1], found[2], found[3])


# Wine 10's UI Automation client answers a value (GetCurrentPropertyValue with
# UIA_ValueValuePropertyId, and the value pattern) with E_NOTIMPL: there the values go unread.
UNANSWERED = "?80004001"
read = {(c[0], c[1]): c[2] for c in controls}
wrong = [(kind, label, read.get((kind, label))) for kind, label, value in EXPECTED
         if read.get((kind, label)) not in (value, UNANSWERED)]
unanswered = sum(read.get((kind, label)) == UNANSWERED for kind, label, _ in EXPECTED)
check(not wrong, f"UI Automation finds the {len(EXPECTED)} controls by type and name, with their values"
      f" ({unanswered} unanswered: E_NOTIMPL); wrong or missing: {wrong}")

ratios = {}
for kind, label, _ in EXPECTED:
    where = box(kind, label)
    if where:
        x, y, width, height = where
        ratios[label] = ink_contrast(pixels(base + ".png", x + 2, y + 2, width - 4, height - 4))
shown = ", ".join(f"{label!r} {ratio:.1f}" for label, ratio in ratios.items())
check(len(ratios) == len(EXPECTED) and min(ratios.values()) >= 4.5,
      f"every text reads at 4.5:1 or more on screen: {shown}")

field = box("edit", "Total cable length (m):")
if field:
    inner, outer = round(scale), round(3 * scale)
    ring = min(contrast(a, b) for a, b in zip(band(base + "-tabbed.png", field, inner, outer),
                                              band(base + ".png", field, inner, outer)))
    check(ring >= 3, f"the length field's focus ring differs from its unfocused pixels by {ring:.2f}:1 at least")
sys.exit(1 if failed else 0)
