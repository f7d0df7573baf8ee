# Shared by the scripts in tools/: sourced, not run.

# Runs a command as root: directly when already root, otherwise through sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the named Debian packages that are missing, without their recommends.
ensure_packages() {
  missing=""
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing="$missing $package"
  done
  [ -n "$missing" ] || return 0
  echo "Installing:$missing"
  as_root apt-get update -qq
  # shellcheck disable=SC2086 # one word per package
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

# The project's one version, from project() in CMakeLists.txt.
project_version() {
  sed -n 's/^project(VoltageDrop VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt
}

# Starts a private Xvfb, which picks a free display itself and writes its number once it
# accepts connections; exports DISPLAY and sets xvfb to the server's process ID, or fails with
# the server's log when it never comes up. $1 is a folder for its files.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$1/display" >"$1/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 200); do [ -s "$1/display" ] && break; sleep 0.05; done
  if [ ! -s "$1/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$1/xvfb.log" >&2
    return 1
  fi
  DISPLAY=":$(head -n 1 "$1/display")"
  export DISPLAY
}

# Installs ccache and sets it up to keep compiled objects in the project's cache folder across
# runs and clones (paths under this folder are hashed relative to it), and sets ccache_flag to
# the CMake option that builds through it. Called in the shell that builds, not in $(…): its
# settings must reach the compiler.
use_ccache() {
  ensure_packages ccache
  CCACHE_DIR="${XDG_CACHE_HOME:-$HOME/.cache}/voltage-drop/ccache"
  CCACHE_BASEDIR="$PWD"
  CCACHE_NOHASHDIR=1
  export CCACHE_DIR CCACHE_BASEDIR CCACHE_NOHASHDIR
  ccache_flag="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
}
