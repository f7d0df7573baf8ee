#!/bin/sh
# Every Windows check under Wine, in a desktop session (tests/e2e/session.sh): the test
# programs on Qt's windows platform (CTest runs them through tests/wine/run.sh), the real
# window, and the installer. Usage: check.sh BUILD_FOLDER VERSION
set -eu
here="$(dirname "$0")"
build="$1"
version="$2"
# A Wine server started earlier without this display would keep its display-less desktop.
wineserver -k 2>/dev/null || true
echo "Preparing the Wine prefix $WINEPREFIX" >&2
wineboot -i >/dev/null 2>&1
# The new prefix's registry is written as its server ends: settings made before then are lost.
wineserver -w
# Wine has none of Windows' fonts, and its stand-ins draw wider than Segoe UI: the prefix gets
# DejaVu Sans, close to Windows' own widths, in their place, as the Linux tests have it.
# They are installed as Windows installs a font, copied and registered by name: DirectWrite,
# which Qt 6.8 draws text with, knows only registered fonts, and drew the bold result line in
# a serif face of the Linux system's (C059) without it.
for file in /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf; do
  cp "$file" "$WINEPREFIX/drive_c/windows/Fonts/"
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' /f \
    /v "$(fc-scan --format '%{fullname[0]}' "$file") (TrueType)" /d "$(basename "$file")" >/dev/null 2>&1
done
for face in "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI" "Sans Serif" "Tahoma" "Arial"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "DejaVu Sans" /f >/dev/null 2>&1
done
ctest --test-dir "$build" --output-on-failure
sh "$here/e2e.sh" "$build/voltage-drop.exe" "$build/screenshots"
sh "$here/installer.sh" "$build/voltage-drop-$version-setup.exe" "$version"
wineserver -k 2>/dev/null || true
