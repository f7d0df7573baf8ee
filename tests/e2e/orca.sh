#!/bin/sh
# A blind user's walk through the window with Orca, in a session from session.sh: Orca runs
# headless with its own settings, speaking through speech-dispatcher into a silent sound card,
# and every utterance lands in its debug file as "SPEECH OUTPUT". Checks that each field's
# value is heard whole, and that the result line is said after each change of it that the user
# makes, and not at start-up. Usage: [ORCA_DEBUG_LOG=FILE] orca.sh PROGRAM
set -eu
# Orca refuses to start beside another Orca of the same user, and speech-dispatcher forks away
# from the PID it is started with. In a process namespace of its own the walk sees no other
# Orca, and everything it started ends with it: the namespace's first process is this script.
if [ -z "${ORCA_WALK_ALONE:-}" ]; then
  alone="--pid --fork --mount-proc --kill-child"
  [ "$(id -u)" = 0 ] || alone="--user --map-current-user $alone"
  # shellcheck disable=SC2086 # one word per option
  ORCA_WALK_ALONE=1 exec unshare $alone sh "$0" "$@"
fi
program="$1"
work="$(mktemp -d)"
export HOME="$work"
pids=""
failures=0
cleanup() {
  status=$?
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  if [ "$status" != 0 ] && [ "$failures" = 0 ]; then echo "FAIL the walk stopped early (status $status)"; fi
  # ORCA_DEBUG_LOG=FILE keeps Orca's whole debug log there, for a failure's cause.
  [ -z "${ORCA_DEBUG_LOG:-}" ] || cp "$log" "$ORCA_DEBUG_LOG" 2>/dev/null || true
  echo "What Orca said:"
  sed -n '/SPEECH OUTPUT/ { s/.*SPEECH OUTPUT: //; s/{.*//; p; }' "$log" 2>/dev/null || true
  rm -rf "$work"
}
log="$work/orca-debug.txt"
trap cleanup EXIT
trap 'exit 1' INT TERM

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids="$pids $!"

cp -r /etc/speech-dispatcher "$work/speech"
cat >>"$work/speech/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$work/.asoundrc"
speech-dispatcher -C "$work/speech" -S "$work/speech.socket" -t 0 >/dev/null 2>&1 &
pids="$pids $!"
export SPEECHD_ADDRESS="unix_socket:$work/speech.socket"

# Orca writes its debug file in blocks: line-buffered, every utterance is there at once.
mkdir -p "$work/python" "$work/settings"
cat >"$work/python/sitecustomize.py" <<'PYTHON'
import builtins
_open = builtins.open
def _line_buffered(file, mode="r", *args, **kwargs):
    if isinstance(file, str) and file.endswith("orca-debug.txt") and "w" in mode:
        kwargs["buffering"] = 1
    return _open(file, mode, *args, **kwargs)
builtins.open = _line_buffered
PYTHON
PYTHONPATH="$work/python" orca -u "$work/settings" --debug-file="$log" >/dev/null 2>&1 &
pids="$pids $!"

said() {
  count="$(sed -n 's/.*SPEECH OUTPUT: //p' "$log" 2>/dev/null | grep -c -- "$1")" || true
  echo "${count:-0}"
}
# Waits at most $2 seconds (10 unless given) for Orca to have said $1.
wait_said() {
  for _ in $(seq "$((${2:-10} * 10))"); do [ "$(said "$1")" -ge 1 ] && return 0; sleep 0.1; done
  return 1
}
check() {
  if [ "$1" = 0 ]; then echo "ok   $2"; else echo "FAIL $2"; failures=$((failures + 1)); fi
}
# Checks that Orca says $1 within 10 seconds; $2 names the check.
check_said() {
  if wait_said "$1"; then check 0 "$2"; else check 1 "$2"; fi
}

wait_said "Screen reader on" 60 || { echo "FAIL Orca did not start"; exit 1; }
"$program" >/dev/null 2>&1 &
pids="$pids $!"
wait_said "combo box" 30 || { echo "FAIL Orca never reached the window"; exit 1; }
sleep 1
check "$(($(said '^.Material combo box') == 0))" "the popup is heard by its name, Material"
# Orca 43 says the value on its own, Orca 48 and later after the name.
check "$(($(said "Copper\\.\\?'") == 0))" "and its value, Copper"
check "$(said 'Voltage drop')" "the first result is not said at start-up"

# Every field's value whole, as Tab reaches it.
for value in 60 0.51054 0.20471 0.350; do
  xdotool key Tab
  check_said "^'$value selected\\.\\?'" "Tab to the field holding $value says \"$value selected\""
done
check "$(said "^'[0-9.]*'{\|Text unselected")" \
  "Tab says no value twice and no \"Text unselected\" for the field left"
xdotool key shift+Tab shift+Tab shift+Tab
sleep 1
# A 5 after the length's 60, then through the menus and back, then deleted again.
xdotool key End 5
check_said "Voltage drop = 18.101V" "a 5 typed after the length's 60 is followed by the new result"
/usr/bin/python3 "$(dirname "$0")/keys.py" F10
check_said "^'Quit" "F10 opens the File menu on its first item, Quit"
xdotool key Right
check_said "^'Undo" "Right opens the Edit menu on its first item, Undo (the field was edited)"
xdotool key Escape
check_said "^'605" "back from the menus the field is heard whole (605)"
xdotool key BackSpace
check_said "Voltage drop = 1.795V" "deleting the 5 says the result again"
# A new material from the popup.
xdotool key shift+Tab
sleep 1
xdotool key Down
check_said "Voltage drop = 2.872V" "a new material with Down is followed by its result"
check_said "^'Aluminium\\.\\?'" "Down says the new material, Aluminium"
xdotool key End
check_said "^'Lead\\.\\?'" "End says the new material, Lead"
# Orca's Where am I, on the keypad.
xdotool key KP_Enter
check_said "^'6 of 6\\|^'Material combo box Lead" "Where am I names the row chosen (6 of 6, or Lead)"
sleep 1
check "$(($(said 'Voltage drop = 18.101V') - 1))" "each result is said once"

[ "$failures" = 0 ]
