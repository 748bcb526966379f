#!/bin/sh
# The kept tape against another program that holds its file, as sqlite3
# does: the calculator starts all the same, sets nothing aside, keeps what
# is keyed meanwhile and writes it once the file is free; the file passes
# integrity_check. Exit 77 (skipped) when the X tools are not installed.
set -u
ABACOR=$1

X_TOOLS="Xvfb xdotool sqlite3"
. "$(dirname "$0")/xvfb-session.sh"

tape="$XDG_STATE_HOME/Korvel/Abacor/tape.db"
quit() {
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers ctrl+q
    ended "$app" || { echo "FAIL: Ctrl+Q did not end the program"; exit 1; }
}
# kept NUMBER: the tape's file holds a line of that number.
kept() { [ "$(sqlite3 "$tape" "SELECT count(*) FROM lines WHERE number = '$1'" 2>/dev/null)" -ge 1 ]; }

start_program '^Abacor$' "$ABACOR"
xdotool type --delay 50 '12+30='
wait_until 30 kept 42 || { echo "FAIL: the first run's total never reached the file"; exit 1; }
quit

# Held as sqlite3 holds it, until the test lets go (or two minutes pass).
release="$work/release"
(printf 'PRAGMA locking_mode=EXCLUSIVE;\nBEGIN EXCLUSIVE;\nSELECT count(*) FROM lines;\n'
 wait_until 120 test -e "$release") |
    sqlite3 "$tape" >"$work/holder.out" 2>&1 &
holder=$!
remember_pid $holder
held() { [ -s "$work/holder.out" ]; }
wait_until 30 held || { echo "FAIL: sqlite3 did not take the file"; exit 1; }
start_program '^Abacor$' "$ABACOR"
xdotool type --delay 50 '40+5='
if ls "$tape".broken-* >/dev/null 2>&1; then
    echo "FAIL: a busy file was set aside as broken"; ls -l "$(dirname "$tape")"; exit 1
fi
touch "$release"
ended "$holder" || { echo "FAIL: sqlite3 held on"; exit 1; }
wait_until 60 kept 45 || { echo "FAIL: what was keyed while the file was busy never reached it"; exit 1; }
kept 42 || { echo "FAIL: the earlier run's lines are gone"; exit 1; }
quit
check=$(sqlite3 "$tape" 'PRAGMA integrity_check')
[ "$check" = ok ] || { echo "FAIL: integrity_check: $check"; exit 1; }
echo "PASS: a file held by sqlite3 was left alone, and the run's lines reached it once it was free"
