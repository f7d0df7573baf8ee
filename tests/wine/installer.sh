#!/bin/sh
# The installer under Wine: a silent install puts the program, its licences, a Start-menu
# shortcut and an Apps & features entry in place; installing again closes the running program;
# a silent uninstall does too, and leaves no file and no registry entry behind.
# Usage: installer.sh SETUP.exe VERSION
set -eu
. "$(dirname "$0")/lib.sh"
setup="$1"
version="$2"
drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/Voltage Drop Calculator"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Voltage Drop Calculator.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\org.voltagedrop.VoltageDrop'

# Every file of the prefix but Wine's own temporary and cache files.
files() {
  find "$drive" -path "$drive/users/*/Temp" -prune -o -path "$drive/windows" -prune \
    -o -type f -print | sort
}

files >"$WINEPREFIX/before"
wine "$setup" /S
for file in uninstall.exe $(cat "$(dirname "$0")/../../packaging/windows/files"); do
  [ -f "$folder/$file" ] || fail "not installed: $file"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
entry="$(wine reg query "$key" 2>/dev/null | tr -d '\r')"
echo "$entry" | grep -q "DisplayVersion.*REG_SZ.*$version\$" || fail "Apps & features: no version $version"
echo "$entry" | grep -q "Publisher.*REG_SZ.*Voltage Drop Calculator developers" || fail "Apps & features: no publisher"
echo "installed: $(ls "$folder" | tr '\n' ' ')"

# Installed again over the running program: it is closed, as File > Quit closes it, and its file
# replaced. A copy that is not asked to close (its --help in a message box) keeps its file: the
# installer fails, never reporting success over a file it did not replace.
start_program "$folder/voltage-drop.exe"
wait_for_window
installed=0
wine "$setup" /S || installed=$?
wait_for_exit
[ "$installed$status" = 00 ] && cmp -s "$folder/voltage-drop.exe" "$(dirname "$setup")/stage/voltage-drop.exe" ||
  fail "installed over the running program: status $installed, the program's $status, or the old file kept"
start_program "$folder/voltage-drop.exe" --help
wait_for_window
wine "$setup" /S && fail "the installer reported success over a file in use" ||
  echo "installed over a copy showing its --help: status $?"
xdotool windowactivate --sync "$window" key Return 2>/dev/null || xdotool key Return
wait_for_exit

# The uninstaller copies itself away and runs from there, so its own end says nothing: what it
# leaves does. It closes the running program first.
start_program "$folder/voltage-drop.exe"
wait_for_window
wine "$folder/uninstall.exe" /S
wait_for_exit
[ "$status" -eq 0 ] || fail "the program ended with status $status as it was uninstalled"
for _ in $(seq 300); do [ -e "$folder" ] || break; sleep 0.1; done
[ ! -e "$folder" ] || fail "left behind: $(ls "$folder")"
wine reg query "$key" >/dev/null 2>&1 && fail "the Apps & features entry stayed"
files >"$WINEPREFIX/after"
left="$(comm -13 "$WINEPREFIX/before" "$WINEPREFIX/after")"
[ -z "$left" ] || fail "files left behind: $left"
echo "PASS: silent install, start, install over the running program, silent uninstall"
