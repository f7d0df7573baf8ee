#!/bin/sh
# Every Windows check under Wine, in a desktop session (tests/e2e/session.sh): the test
# programs with the offscreen platform (CTest runs them through tests/wine/run.sh), the real
# window, and the installer. Usage: check.sh BUILD_FOLDER VERSION
set -eu
here="$(dirname "$0")"
build="$1"
version="$2"
# A Wine server started earlier without this display would keep its display-less desktop.
wineserver -k 2>/dev/null || true
echo "Preparing the Wine prefix $WINEPREFIX" >&2
wineboot -i >/dev/null 2>&1
ctest --test-dir "$build" --output-on-failure
sh "$here/e2e.sh" "$build/voltage-drop.exe" "$build/screenshots"
sh "$here/installer.sh" "$build/voltage-drop-$version-setup.exe" "$version"
wineserver -k 2>/dev/null || true
