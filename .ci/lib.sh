# Shared by the CI scripts: sourced, not run.

# Runs a command, saying when it started and how long it took; gives its status.
step() {
  started="$(date +%s)"
  echo "=== $(date +%H:%M:%S) $*"
  status=0
  "$@" || status=$?
  echo "=== $* took $(($(date +%s) - started)) s$([ "$status" = 0 ] || echo ", failed ($status)")"
  return "$status"
}

# Runs a command while no other CI step holds the tests' lock, on the host or in any Debian
# system (tools/debian-system shares the folder): the tests, whose screen reader and timings
# want the machine to themselves, run one at a time, while downloads and builds go on beside.
alone() {
  flock "${VD_CI_LOCKS:-/run/voltage-drop}/tests" "$@"
}
