# Shared by the CI scripts: sourced, not run.

# Runs a command, saying when it started and how long it took.
step() {
  started="$(date +%s)"
  echo "=== $(date +%H:%M:%S) $*"
  "$@"
  echo "=== $* took $(($(date +%s) - started)) s"
}
