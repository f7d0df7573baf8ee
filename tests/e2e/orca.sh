#!/bin/sh
# A blind user's walk through the window with Orca, in a session from session.sh: Orca runs
# headless with its own settings, speaking through speech-dispatcher into a silent sound card,
# and every utterance lands in its debug file as "SPEECH OUTPUT". Checks that each field's
# value is heard whole, and that the result line is said after each change of it that the user
# makes, and not at start-up. Usage: orca.sh PROGRAM
set -eu
program="$1"
work="$(mktemp -d)"
export HOME="$work"
pids=""
cleanup() {
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

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
log="$work/orca-debug.txt"
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
failures=0
check() {
  if [ "$1" = 0 ]; then echo "ok   $2"; else echo "FAIL $2"; failures=$((failures + 1)); fi
}

wait_said "Screen reader on" 60 || { echo "FAIL Orca did not start"; exit 1; }
"$program" >/dev/null 2>&1 &
pids="$pids $!"
wait_said "combo box" 30 || { echo "FAIL Orca never reached the window"; exit 1; }
sleep 1
check "$(($(said '^.Material combo box') == 0))" "the popup is heard by its name, Material"
check "$(($(said '^.Copper\.') == 0))" "and its value, Copper"
check "$(said 'Voltage drop')" "the first result is not said at start-up"

# Every field's value whole, as Tab reaches it.
for value in 60 0.51054 0.20471 0.350; do
  xdotool key Tab
  wait_said "^'$value selected\."
  check $? "Tab to the field holding $value says \"$value selected\""
done
check "$(said "^'[0-9.]*'{\|Text unselected")" \
  "Tab says no value twice and no \"Text unselected\" for the field left"
xdotool key shift+Tab shift+Tab shift+Tab
sleep 1
# A 5 after the length's 60, then back from the menus, then deleted again.
xdotool key End 5
wait_said "Voltage drop = 18.101V"
check $? "a 5 typed after the length's 60 is followed by the new result"
xdotool key F10
sleep 1
xdotool key Escape
wait_said "^'605"
check $? "back from the menus the field is heard whole (605)"
xdotool key BackSpace
wait_said "Voltage drop = 1.795V"
check $? "deleting the 5 says the result again"
# A new material from the popup.
xdotool key shift+Tab
sleep 1
xdotool key Down
wait_said "Voltage drop = 2.872V"
check $? "a new material with Down is followed by its result"
check "$(($(said '^.Aluminium\.') == 0))" "Down says the new material, Aluminium"
xdotool key End
wait_said "^'Lead\."
check $? "End says the new material, Lead"
# Orca's Where am I, on the keypad.
xdotool key KP_Enter
wait_said "^'6 of 6"
check $? "Where am I names the row chosen, 6 of 6"
sleep 1
check "$(($(said 'Voltage drop = 18.101V') - 1))" "each result is said once"

echo "What Orca said:"
grep "SPEECH OUTPUT" "$log" | sed 's/.*SPEECH OUTPUT: //; s/{.*//'
[ "$failures" = 0 ]
