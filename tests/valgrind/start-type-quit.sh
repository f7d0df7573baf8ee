#!/bin/sh
# Starts PROGRAM under valgrind memcheck, types into it with X key events, quits with Ctrl+Q
# and prints valgrind's summary. Exits non-zero on any error valgrind reports (invalid access,
# uninitialised use, definite leak) that the suppressions do not name. Needs a display.
set -eu
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
log="$(mktemp)"
valgrind --error-exitcode=99 --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --suppressions="$here/third-party.supp" \
  --num-callers=40 "$program" 2>"$log" &
pid=$!
window="$(xdotool search --sync --name "Voltage Drop Calculator" | head -n 1)"
sleep 2
xdotool windowfocus "$window"
xdotool key --clearmodifiers Tab Tab ctrl+a && xdotool type --delay 50 "1.5"
xdotool key --clearmodifiers Tab && xdotool type --delay 50 "0.75"
xdotool key --clearmodifiers shift+Tab shift+Tab shift+Tab shift+Tab Down
sleep 1
xdotool key --clearmodifiers ctrl+q
status=0
wait "$pid" || status=$?
grep -E "ERROR SUMMARY|definitely lost|Invalid|uninitialised" "$log" || true
[ "$status" -eq 0 ] || cat "$log"
rm -f "$log"
exit "$status"
