#!/usr/bin/env python3
"""The calculator's page in WebKitGTK, the engine of Safari: the rows of rows.json and the random
input sets of sets.mjs put in through the page's fields (drive.js), each result line compared
with the desktop window's (PROGRAM: window_line). Needs a display (Xvfb).
Usage: webkit.py ADDRESS PROGRAM SETS"""

import json
import os
import subprocess
import sys

import gi

gi.require_version("Gtk", "4.0")
gi.require_version("WebKit", "6.0")
from gi.repository import GLib, Gtk, WebKit  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
MATERIALS = ["copper", "aluminium", "gold", "silver", "iron", "lead"]
address, program, sets_file = sys.argv[1:4]
failures = 0


def check(ok, what):
    global failures
    print(f"{'ok' if ok else 'FAIL'} webkit: {what}", flush=True)
    failures += not ok


def command_line(material, current, length, size, area):
    arguments = [f"--material={MATERIALS[material]}", f"--current={current}", f"--length={length}",
                 f"--{'area' if area else 'diameter'}={size}"]
    return subprocess.run([program] + arguments, capture_output=True, text=True).stdout.strip()


Gtk.init()
view = WebKit.WebView()
window = Gtk.Window(child=view)
window.present()
loop = GLib.MainLoop()


def evaluate(script):
    answer = {}

    def done(_, result):
        answer["value"] = json.loads(view.evaluate_javascript_finish(result).to_json(0) or "null")
        loop.quit()

    view.evaluate_javascript(script, -1, None, None, None, done)
    loop.run()
    return answer["value"]


def wait_for(script):
    for _ in range(200):
        if evaluate(script):
            return True
        GLib.timeout_add(50, loop.quit)
        loop.run()
    return False


view.load_uri(address)
check(wait_for("!!document.querySelector('#app > .window:not([inert]) #result span')"), "the page opens")
check(evaluate("document.title") == "Voltage Drop Calculator", "the window's title is the page's")
with open(os.path.join(HERE, "drive.js"), encoding="utf-8") as drive:
    evaluate(drive.read() + "; true")

# The rows, one after another on the same fields, as page.mjs types them.
fields = {"current": "0.350", "lenght": "60", "diameter": "0.51054"}
for field, text, what in json.load(open(os.path.join(HERE, "rows.json"), encoding="utf-8")):
    area = field == "areafld"
    if not area:
        fields[field] = text
    size = text if area else fields["diameter"]
    inputs = [0, fields["current"], fields["lenght"], size, area]
    line = evaluate(f"driveSets([{json.dumps(inputs)}])[0]")
    expected = command_line(*inputs)
    check(line == expected, f"{what}: {line} ({expected})")
    fields["diameter"] = evaluate("document.querySelector('#diameter').value")

with open(sets_file, encoding="utf-8") as sets_json:
    sets = json.load(sets_json)
lines = evaluate(f"driveSets({json.dumps(sets)})")
mismatches = [s for s, line in zip(sets, lines) if s[5] != line]
for s in mismatches[:5]:
    print("  ", s, file=sys.stderr)
check(not mismatches, f"{len(sets)} random input sets: {len(mismatches)} mismatches with the desktop window")
sys.exit(1 if failures else 0)
