#!/bin/sh
# Runs COMMAND in a desktop session of its own: Xvfb with openbox as the window manager and a
# private session bus for the accessibility bridge. Usage: session.sh COMMAND [ARGUMENT...]
set -eu
work="$(mktemp -d)"

cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  [ -n "${bus:-}" ] && kill "$bus" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY

openbox >"$work/openbox.log" 2>&1 &
wm=$!
# Windows are activated only once the window manager has taken over.
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done

dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
bus=$!
for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.05; done
DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus")"
export DBUS_SESSION_BUS_ADDRESS
export XDG_RUNTIME_DIR="$work"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM

status=0
"$@" || status=$?
exit "$status"
