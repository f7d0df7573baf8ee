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
