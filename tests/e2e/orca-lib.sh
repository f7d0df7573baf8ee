# Sourced by a screen reader's walk (tests/e2e/orca.sh, tests/web/orca.sh): Orca started alone in
# a process namespace, in a session from session.sh, headless with its own settings, speaking
# through speech-dispatcher into a silent sound card, every utterance in its debug file as
# "SPEECH OUTPUT"; and the walk's functions to press keys, hear and check.
e2e="$(dirname "$0")/../e2e"
# Orca refuses to start beside another Orca of the same user, and speech-dispatcher forks away
# from the PID it is started with. In a process namespace of its own the walk sees no other
# Orca, and everything it started ends with it: the namespace's first process is this script.
if [ -z "${ORCA_WALK_ALONE:-}" ]; then
  alone="--pid --fork --mount-proc --kill-child"
  [ "$(id -u)" = 0 ] || alone="--user --map-current-user $alone"
  # shellcheck disable=SC2086 # one word per option
  ORCA_WALK_ALONE=1 exec unshare $alone sh "$0" "$@"
fi
work="$(mktemp -d)"
export HOME="$work"
pids=""
failures=0
cleanup() {
  status=$?
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  if [ "$status" != 0 ] && [ "$failures" = 0 ]; then echo "FAIL the walk stopped early (status $status)"; fi
  # ORCA_DEBUG_LOG=FILE keeps Orca's whole debug log there, for a failure's cause.
  [ -z "${ORCA_DEBUG_LOG:-}" ] ||
    cat "$work/orca-debug.txt" "$work/orca-debug-de.txt" >"$ORCA_DEBUG_LOG" 2>/dev/null || true
  echo "What Orca said:"
  sed -n '/SPEECH OUTPUT/ { s/.*SPEECH OUTPUT: //; s/{.*//; p; }' "$work/orca-debug.txt" \
    "$work/orca-debug-de.txt" 2>/dev/null || true
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
    if isinstance(file, str) and "orca-debug" in file and "w" in mode:
        kwargs["buffering"] = 1
    return _open(file, mode, *args, **kwargs)
builtins.open = _line_buffered
PYTHON
PYTHONPATH="$work/python" orca -u "$work/settings" --debug-file="$log" >/dev/null 2>&1 &
orca_pid=$!
pids="$pids $!"

said() {
  count="$(sed -n 's/.*SPEECH OUTPUT: //p' "$log" 2>/dev/null | grep -c -- "$1")" || true
  echo "${count:-0}"
}
# A loaded machine can put Orca minutes behind: every wait is for speech, none for a time.
patience="${ORCA_PATIENCE:-120}"
# Waits at most $3 seconds (the patience unless given) for Orca to have said $1 more than $2
# times.
wait_said() {
  for _ in $(seq "$((${3:-$patience} * 10))"); do [ "$(said "$1")" -gt "$2" ] && return 0; sleep 0.1; done
  return 1
}
check() {
  if [ "$1" = 0 ]; then echo "ok   $2"; else echo "FAIL $2"; failures=$((failures + 1)); fi
}
# Presses the keys $3... (keys.py's names) and checks that Orca then says $1 once more; $2
# names the check.
press_and_hear() {
  pattern="$1" name="$2" before="$(said "$1")"
  shift 2
  /usr/bin/python3 "$e2e/keys.py" "$@" || { check 1 "$name (keys.py $*)"; return; }
  if wait_said "$pattern" "$before"; then check 0 "$name"; else check 1 "$name"; fi
}
# Types $3 a key every 250 ms (or $4 ms), one key at a time as a person types a number, checks
# that no two keys went down closer together, then checks as press_and_hear.
type_and_hear() {
  pattern="$1" name="$2" before="$(said "$1")"
  # shellcheck disable=SC2046 # one keysym a character
  apart="$(/usr/bin/python3 "$e2e/keys.py" --pause="${4:-250}" $(echo "$3" | sed 's/./ &/g; s/ \./ period/g'))"
  check "$((apart < ${4:-250}))" "$3 typed with keys at least ${4:-250} ms apart ($apart ms)"
  if wait_said "$pattern" "$before"; then check 0 "$name"; else check 1 "$name"; fi
}
# Checks that Orca has said $1, or says it; $2 names the check.
check_heard() {
  if wait_said "$1" 0; then check 0 "$2"; else check 1 "$2"; fi
}
# The first of Orca's utterances that match $1.
first_said() { sed -n 's/.*SPEECH OUTPUT: //p' "$log" | grep -m 1 -- "$1" || true; }

