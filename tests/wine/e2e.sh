#!/bin/sh
# The Windows program in a real window under Wine, with Qt's windows platform plugin: it opens
# with its title and size, a "5" typed at the end of the length field gives the result the
# Linux program gives, read off the screen, and Ctrl+Q ends it with status 0. Then the window
# on each desktop a Windows user may have, read through UI Automation and measured on
# screenshots (look.py). Usage: e2e.sh PROGRAM.exe SCREENSHOT_FOLDER
set -eu
. "$(dirname "$0")/lib.sh"
exe="$1"
shots="$2"
mkdir -p "$shots"

# The window's size and the result line's box in its client area, below the menu bar, as the
# window's design gives them.
design="$(dirname "$0")/../../window/Design.cpp"
design_width="$(sed -n '/kWindow1{/,/}/ s/.*\.width = \([0-9]*\),.*/\1/p' "$design")"
design_height="$(sed -n '/kWindow1{/,/}/ s/.*\.height = \([0-9]*\),.*/\1/p' "$design")"
eval "$(sed -n '/kResult{/,/}/ s/.*\.box = {\([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)}.*/result_x=\1 result_y=\2 result_width=\3 result_height=\4/p' "$design")"
[ -n "$design_width" ] && [ -n "$design_height" ] && [ -n "${result_x:-}" ] ||
  fail "the window's design was not found in $design"

# Sets left, top, width and height to the window's client area on the screen.
geometry() {
  eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { print "left=" $NF }
    /Absolute upper-left Y/ { print "top=" $NF } /Width:/ { print "width=" $NF }
    /Height:/ { print "height=" $NF }')"
}

# Reads the result line off a screenshot of the whole screen.
read_result() {
  geometry
  menu_bar=$((height - design_height))
  convert "$1" -crop "$((result_width + 8))x$((result_height + 8))+$((left + result_x - 4))+$((top + menu_bar + result_y - 4))" \
    +repage -resize 400% -colorspace Gray "$1.result.png"
  tesseract "$1.result.png" - --psm 7 2>/dev/null | head -n 1 | sed 's/[[:space:]]*$//'
}

start_program "$exe"
wait_for_window
title="$(xdotool getwindowname "$window")"
geometry
echo "window \"$title\", $width x $height"
[ "$width" -eq "$design_width" ] || fail "window width $width, expected $design_width"
# The design's height below a menu bar of one line of text.
[ "$height" -gt $((design_height + 10)) ] && [ "$height" -lt $((design_height + 50)) ] ||
  fail "window height $height, expected $design_height and a menu bar"

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 1
import -window root "$shots/wine-before.png"
before="$(read_result "$shots/wine-before.png")"
echo "before: $before"
[ "$before" = "Voltage drop = 1.795V" ] || fail "read \"$before\" before typing"

# The popup has the focus; Tab reaches the length field, whose text it selects.
xdotool key Tab End 5
sleep 1
import -window root "$shots/wine-after.png"
after="$(read_result "$shots/wine-after.png")"
echo "after typing 5 at the end of the length: $after"
[ "$after" = "Voltage drop = 18.101V" ] || fail "read \"$after\" after typing"

xdotool key ctrl+q
wait_for_exit
echo "Ctrl+Q: exit status $status"
[ "$status" -eq 0 ] || fail "exit status $status after Ctrl+Q"

# Each desktop: the Windows version Wine reports, light (1) or dark (0) mode and the screen's
# DPI; at a higher DPI the widget test also checks that every text fits its box.
uia="$(winepath -w "$(dirname "$exe")/tests/uia.exe")"
personalize='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
while read -r desktop version light dpi; do
  wine winecfg -v "$version" >/dev/null 2>&1
  wine reg add "$personalize" /v AppsUseLightTheme /t REG_DWORD /d "$light" /f >/dev/null 2>&1
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  # Wine's server keeps the DPI it started with.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if [ "$dpi" -ne 96 ]; then
    # Wine's desktop font comes out a little larger there, and the design grows with it.
    EXPECT_DESIGN_SCALE=wider sh "$(dirname "$0")/run.sh" "$(dirname "$exe")/tests/tst_window.exe" everyTextFitsItsBox ||
      fail "$desktop: a text does not fit its box"
  fi
  start_program "$exe"
  wait_for_window
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 1
  wine "$uia" "Voltage Drop Calculator" "$(winepath -w "$shots/$desktop.uia")" ||
    fail "$desktop: the UI Automation client failed"
  import -window root "$shots/$desktop.png"
  xdotool key alt+Down sleep 0.5
  import -window root "$shots/$desktop-list.png"
  xdotool key Escape sleep 0.5 key Tab
  sleep 0.5
  import -window root "$shots/$desktop-tabbed.png"
  geometry
  /usr/bin/python3 "$(dirname "$0")/look.py" "$shots/$desktop" "$(echo "$dpi" | awk '{ print $1 / 96 }')" \
    "$left" "$top" ||
    fail "$desktop: see above"
  xdotool key ctrl+q
  wait_for_exit
  [ "$status" -eq 0 ] || fail "$desktop: exit status $status after Ctrl+Q"
done <<DESKTOPS
windows10-light win10 1 96
windows10-dark win10 0 96
windows11-light win11 1 96
windows11-dark win11 0 96
windows11-150 win11 1 144
windows11-200 win11 1 192
DESKTOPS
echo "PASS: the Windows program under Wine"
