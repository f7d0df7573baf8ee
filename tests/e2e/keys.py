"""Presses and releases keys by their keycode through XTest, as a person's keyboard would.
xdotool 3.2016 types a key that the keymap also gives a level behind Alt (F10, in
xkeyboard-config 2.45 on Debian testing) as Alt and that key, and its keycode remapped for a
character missing from the layout may reach the program before the new mapping does, so that
nothing is typed. Usage: keys.py [--pause=MS] KEYSYM[+KEYSYM]... (also imported by e2e.py)."""

import ctypes
import sys
import time

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
xtest = ctypes.cdll.LoadLibrary("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)


def _open():
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    if not display.value:
        raise RuntimeError("keys.py: cannot open the display")
    return display


def _key(display, code, down):
    xtest.XTestFakeKeyEvent(display, code, down, 0)
    x11.XSync(display, False)


def press(*keys, pause=0.0):
    """Presses each key in turn, `pause` seconds apart; a chord such as Insert+KP_Enter holds the
    keys before the last down while the last is pressed. Returns when each key began to go down."""
    display = _open()
    pressed = []
    try:
        for key in keys:
            if pressed:
                time.sleep(max(0.0, pressed[-1] + pause - time.monotonic()))
            codes = []
            for keysym in key.split("+"):
                code = x11.XKeysymToKeycode(display, ctypes.c_ulong(x11.XStringToKeysym(keysym.encode())))
                if code == 0:
                    raise RuntimeError(f"keys.py: no keycode for {keysym}")
                codes.append(code)
            pressed.append(time.monotonic())
            for code in codes:
                _key(display, code, True)
            for code in reversed(codes):
                _key(display, code, False)
    finally:
        x11.XCloseDisplay(display)
    return pressed


def type_remapped(character):
    """Types a character missing from the layout as an on-screen keyboard does: a spare keycode
    is mapped to it for the press and given back before the release, so that the release
    decodes to another key than the press."""
    display = _open()
    try:
        low, high = ctypes.c_int(), ctypes.c_int()
        x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
        per = ctypes.c_int()
        count = high.value - low.value + 1
        mapping = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
        spare = next(low.value + i for i in range(count - 1, -1, -1)
                     if all(mapping[i * per.value + j] == 0 for j in range(per.value)))
        x11.XFree(mapping)
        keysym = 0x1000000 + ord(character)  # X's keysym for any Unicode character
        symbols = (ctypes.c_ulong * per.value)(*([keysym] * per.value))
        empty = (ctypes.c_ulong * per.value)()
        x11.XChangeKeyboardMapping(display, spare, per.value, symbols, 1)
        x11.XSync(display, False)
        time.sleep(0.2)  # the program takes the new mapping before the key
        _key(display, spare, True)
        time.sleep(0.05)
        x11.XChangeKeyboardMapping(display, spare, per.value, empty, 1)
        x11.XSync(display, False)
        time.sleep(0.2)
        _key(display, spare, False)
    finally:
        x11.XCloseDisplay(display)


if __name__ == "__main__":
    # --pause=MS: a key every MS milliseconds; the shortest pause between two is printed.
    if sys.argv[1].startswith("--pause="):
        times = press(*sys.argv[2:], pause=int(sys.argv[1][8:]) / 1000)
        print(round(min(b - a for a, b in zip(times, times[1:])) * 1000))
    else:
        press(*sys.argv[1:])
