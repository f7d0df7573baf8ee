#!/bin/sh
# The installer under Wine: a silent install puts the program, its licences, a Start-menu
# shortcut and an Apps & features entry in place; the installed program starts; a silent
# uninstall leaves no file and no registry entry behind. Usage: installer.sh SETUP.exe VERSION
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

start_program "$folder/voltage-drop.exe"
wait_for_window
echo "the installed program opened its window"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key ctrl+q
wait_for_exit
[ "$status" -eq 0 ] || fail "the installed program ended with status $status"

# The uninstaller copies itself away and runs from there, so its own end says nothing.
wine "$folder/uninstall.exe" /S
for _ in $(seq 300); do [ -e "$folder" ] || break; sleep 0.1; done
[ ! -e "$folder" ] || fail "left behind: $(ls "$folder")"
wine reg query "$key" >/dev/null 2>&1 && fail "the Apps & features entry stayed"
files >"$WINEPREFIX/after"
left="$(comm -13 "$WINEPREFIX/before" "$WINEPREFIX/after")"
[ -z "$left" ] || fail "files left behind: $left"
echo "PASS: silent install, start, silent uninstall"
