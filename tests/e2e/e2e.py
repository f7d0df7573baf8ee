"""Drives the real calculator as a person would: real X key events (xdotool), and what the
window shows read back through the accessibility bus, as a screen reader reads it."""

import os
import subprocess
import sys
import time

import pyatspi

PROGRAM = os.path.abspath(sys.argv[1])
TITLE = "Voltage Drop Calculator"
failures = []
passes = []


def check(condition, message):
    print(("ok   " if condition else "FAIL ") + message, flush=True)
    (passes if condition else failures).append(message)


def wait_for(predicate, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    return predicate()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=10)


def find(node, test):
    if node is None:
        return None
    try:
        if test(node):
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), test)
            if found is not None:
                return found
    except Exception:  # the tree may change while it is read
        return None
    return None


class Calculator:
    def __init__(self, env=None):
        self.process = subprocess.Popen([PROGRAM], env=env, stderr=subprocess.PIPE, text=True)
        self.app = wait_for(self._application)
        self.window = wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--name", TITLE], capture_output=True, text=True
        ).stdout.split())
        check(self.app is not None and bool(self.window), "the calculator window appears")

    def _application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == os.path.basename(PROGRAM) and self._label("Voltage drop"):
                return app
        return None

    def _label(self, prefix):
        desktop = pyatspi.Registry.getDesktop(0)
        return find(desktop, lambda n: n.getRole() == pyatspi.ROLE_LABEL and n.name.startswith(prefix))

    def label(self, prefix):
        node = find(self.app, lambda n: n.getRole() == pyatspi.ROLE_LABEL and n.name.startswith(prefix))
        return node.name if node is not None else None

    def field(self, caption):
        return find(self.app, lambda n: n.getRole() == pyatspi.ROLE_TEXT and n.name == caption)

    def field_text(self, caption):
        node = self.field(caption)
        return node.queryText().getText(0, -1) if node is not None else None

    def focus(self, caption):
        self.field(caption).queryComponent().grabFocus()

    def wait_exit(self):
        try:
            return self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            return None


def main():
    calculator = Calculator()
    if calculator.app is None:
        print(calculator.process.stderr.read() if calculator.process.poll() is not None else "")
        calculator.process.kill()
        sys.exit(1)

    check(calculator.label("Voltage drop") == "Voltage drop = 1.795V",
          "the first frame shows the copper result")
    check(calculator.label("Vd (20") == "Vd (20\u00b0C) = ( Length x Current x 0.0175 ) / Area",
          "the formula line names copper's resistivity")
    for caption, text in [("Total cable length (m):", "60"), ("Cable diameter (mm):", "0.51054"),
                          ("Cable area (mm2):", "0.20471"), ("Current (A):", "0.350")]:
        check(calculator.field_text(caption) == text, f"the field named {caption!r} reads {text}")

    calculator.focus("Cable diameter (mm):")
    xdotool("key", "--clearmodifiers", "ctrl+a")
    xdotool("type", "--delay", "20", "1")
    check(wait_for(lambda: calculator.label("Voltage drop") == "Voltage drop = 0.468V"),
          "typing a diameter of 1 recomputes the drop")
    check(wait_for(lambda: calculator.field_text("Cable area (mm2):") == "0.7853981633974483"),
          "typing a diameter rewrites the cross-section")

    # Auto-repeat while a key is held is no release: the cross-section waits for the real one.
    xdotool("key", "--clearmodifiers", "End")
    held_from = wait_for(lambda: calculator.field_text("Cable area (mm2):"))
    xdotool("keydown", "5")
    time.sleep(1.5)  # X starts repeating after 660 ms
    repeated = calculator.field_text("Cable diameter (mm):")
    check(repeated.startswith("1555") and calculator.field_text("Cable area (mm2):") == held_from,
          f"holding a key repeats it ({repeated}) without rewriting the cross-section")
    xdotool("keyup", "5")
    check(wait_for(lambda: calculator.field_text("Cable area (mm2):") != held_from),
          "releasing the held key rewrites the cross-section")

    calculator.focus("Cable area (mm2):")
    xdotool("key", "--clearmodifiers", "ctrl+a")
    xdotool("type", "--delay", "20", "0.5")
    check(wait_for(lambda: calculator.field_text("Cable diameter (mm):") == "0.7978845608028654"),
          "typing a cross-section rewrites the diameter")
    check(wait_for(lambda: calculator.label("Voltage drop") == "Voltage drop = 0.735V"),
          "typing a cross-section recomputes the drop")

    calculator.focus("Current (A):")
    xdotool("key", "--clearmodifiers", "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")
    xdotool("key", "--clearmodifiers", "Down")
    check(wait_for(lambda: "0.028" in (calculator.label("Vd (20") or "")),
          "picking Aluminium with the keyboard rewrites the formula line")
    check(wait_for(lambda: calculator.label("Voltage drop") == "Voltage drop = 1.176V"),
          "picking Aluminium recomputes the drop")

    calculator.focus("Current (A):")
    xdotool("key", "--clearmodifiers", "ctrl+q")
    check(calculator.wait_exit() == 0, "Ctrl+Q quits with status 0")

    calculator = Calculator()
    subprocess.run(["wmctrl", "-c", TITLE], check=True, timeout=10)
    check(calculator.wait_exit() == 0, "closing the window quits with status 0")

    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    headless = subprocess.run([PROGRAM], env=env, capture_output=True, text=True, timeout=10)
    lines = headless.stderr.strip().splitlines()
    check(headless.returncode == 1 and len(lines) == 1 and "display" in lines[0],
          f"with no display: one line and status 1 (got {headless.returncode}: {lines})")

    print(f"{len(passes)} passed, {len(failures)} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
