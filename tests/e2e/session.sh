#!/bin/sh
# Runs COMMAND in a desktop session of its own, with a private session bus for the
# accessibility bridge: Xvfb with openbox as the window manager, or, with SESSION=wayland, a
# headless weston compositor. SESSION_SERVER_PID names the display server's process, so that
# a test can take the display away. Usage: [SESSION=wayland] session.sh COMMAND [ARGUMENT...]
set -eu
. "$(dirname "$0")/../../tools/lib.sh"
work="$(mktemp -d)"
chmod 700 "$work"

cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${server:-}" ] && kill "$server" 2>/dev/null || true
  [ -n "${bus:-}" ] && kill "$bus" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
export XDG_RUNTIME_DIR="$work"

if [ "${SESSION:-x11}" = wayland ]; then
  # --debug lets weston-screenshooter take pictures of the output.
  weston --backend=headless-backend.so --socket=wayland-e2e --use-pixman --debug \
    --width=1024 --height=768 >"$work/weston.log" 2>&1 &
  server=$!
  for _ in $(seq 200); do [ -S "$work/wayland-e2e" ] && break; sleep 0.05; done
  [ -S "$work/wayland-e2e" ] || { echo "weston did not start:" >&2; cat "$work/weston.log" >&2; exit 1; }
  export WAYLAND_DISPLAY=wayland-e2e QT_QPA_PLATFORM=wayland
  unset DISPLAY
else
  start_xvfb "$work" || exit 1
  server=$xvfb
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY

  openbox >"$work/openbox.log" 2>&1 &
  wm=$!
  # Windows are activated only once the window manager has taken over.
  for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done
fi
export SESSION_SERVER_PID="$server"

dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
bus=$!
for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.05; done
[ -s "$work/bus" ] || { echo "the session bus did not start" >&2; exit 1; }
DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus")"
export DBUS_SESSION_BUS_ADDRESS
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

status=0
"$@" || status=$?
exit "$status"
