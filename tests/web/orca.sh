#!/bin/sh
# A blind user on the calculator's page in Firefox ESR with Orca (tests/e2e/orca-lib.sh), in a
# session from tests/e2e/session.sh: the fields heard by their spoken names, the wire table on
# Ctrl+F1, and the result said once typing pauses, once. Usage: orca.sh PAGE_ADDRESS
set -eu
. "$(dirname "$0")/../e2e/orca-lib.sh"
wait_said "Screen reader on" 0 || { echo "FAIL Orca did not start"; exit 1; }
# A profile of its own that opens the page and nothing else.
mkdir -p "$work/firefox"
cat >"$work/firefox/user.js" <<'PREFS'
user_pref("browser.aboutwelcome.enabled", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
PREFS
MOZ_ENABLE_WAYLAND=0 firefox-esr --profile "$work/firefox" --no-remote "$1" >/dev/null 2>&1 &
pids="$pids $!"
wait_said "Material" 0 || { echo "FAIL Orca never reached the page's material list"; exit 1; }
press_and_hear "Total cable length in metres" "Tab to the length says its name" Tab
press_and_hear "Cable diameter in millimetres" "Tab to the diameter says its name" Tab
press_and_hear "AWG 24 = 0.51054 millimetres" "Ctrl+F1 says the wire table" Control_L+F1
press_and_hear "Total cable length in metres" "Shift+Tab goes back to the length" Shift_L+Tab
/usr/bin/python3 "$e2e/keys.py" End
type_and_hear "Voltage drop = 1798.86 volts" "typing 123 after the 60 says the result for 60123" 123
check "$(said 'Voltage drop = 17\.982 volts\|Voltage drop = 179\.877 volts')" \
  "no result a later key replaced is said (601, 6012)"
check "$(($(said 'Voltage drop = 1798\.86 volts') != 1))" "the result is said once"
[ "$failures" = 0 ]
