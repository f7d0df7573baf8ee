"""Presses and releases keys by their keycode, with no modifier, through XTest. xdotool 3.2016
types a key that the keymap also gives a level behind Alt (F10, in xkeyboard-config 2.45 on
Debian testing) as Alt and that key, which is another key for the program: F10 itself is sent
here. Usage: keys.py KEYSYM... (also imported by e2e.py)."""

import ctypes
import sys


def press(*keysyms):
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    xtest = ctypes.cdll.LoadLibrary("libXtst.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XStringToKeysym.restype = ctypes.c_ulong
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    if not display.value:
        raise RuntimeError("keys.py: cannot open the display")
    try:
        for keysym in keysyms:
            code = x11.XKeysymToKeycode(display, ctypes.c_ulong(x11.XStringToKeysym(keysym.encode())))
            if code == 0:
                raise RuntimeError(f"keys.py: no keycode for {keysym}")
            for down in (True, False):
                xtest.XTestFakeKeyEvent(display, code, down, 0)
            x11.XSync(display, False)
    finally:
        x11.XCloseDisplay(display)


if __name__ == "__main__":
    press(*sys.argv[1:])
