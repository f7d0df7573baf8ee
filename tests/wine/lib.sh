# Shared by the Wine checks: sourced, not run. Needs DISPLAY, with a window manager, and WINEPREFIX.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts a Windows program under Wine in the background: sets `program` to its process.
start_program() {
  wine "$@" >/dev/null 2>&1 &
  program=$!
}

# Waits for the calculator's visible window and sets `window` to its X11 ID.
wait_for_window() {
  window=""
  for _ in $(seq 600); do
    window="$(xdotool search --onlyvisible --name '^Voltage Drop Calculator$' 2>/dev/null | head -n 1)" || true
    [ -n "$window" ] && return 0
    kill -0 "$program" 2>/dev/null || fail "the program ended before its window showed"
    sleep 0.1
  done
  fail "no window within 60 s"
}

# Waits at most 30 s for the program to end; sets `status` to its exit status.
wait_for_exit() {
  for _ in $(seq 300); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$program" 2>/dev/null; then
    kill "$program"
    fail "the program did not end within 30 s"
  fi
  status=0
  wait "$program" || status=$?
}
