#!/bin/sh
# The kept tape against another program that holds its file, as sqlite3
# does: the calculator starts all the same, sets nothing aside, keeps what
# is keyed meanwhile and writes it once the file is free; the file passes
# integrity_check. Then tape files on media that misbehave (a FUSE file
# system): a read error refused, a slow read stopped by Escape on its progress
# dialog. Exit 77 (skipped) when the X tools are not installed.
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

# Tape files on a medium that misbehaves (a small FUSE file system): one whose
# reads fail is refused with "ファイルを読めません" and the program goes on; one
# that takes 3 s to read shows a progress dialog, Escape stops it, the tape is
# left as it was and the calculator answers at once.
if ! [ -e /dev/fuse ] || ! /usr/bin/python3 -c 'import fusepy' 2>/dev/null; then
    echo "FAIL: no FUSE here (/dev/fuse, python3-fusepy): the misbehaving media cannot be tried"; exit 1
fi
media="$work/media"
mkdir "$media"
/usr/bin/python3 "$(dirname "$0")/../tools/faultyfs.py" "$media" >"$work/faultyfs.log" 2>&1 &
remember_pid $!
mounts=$media
wait_until 30 test -e "$media/slow.abacor-tape" || { echo "FAIL: the FUSE file system did not mount"; cat "$work/faultyfs.log"; exit 1; }
start_program '^Abacor$' "$ABACOR"
named() { [ "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l)" -ge "${2:-1}" ]; }
unnamed() { ! named "$1"; }
open_file() {
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers ctrl+o
    wait_until 30 named '^開く$' || { echo "FAIL: Ctrl+O showed no file dialog"; exit 1; }
    dialog=$(xdotool search --onlyvisible --name '^開く$' | head -n 1)
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$1"
    # A Return may only take the completion the dialog offers for the name
    # typed; as a person would, Return again until the dialog goes.
    for _ in 1 2 3 4 5 6; do
        xdotool key Return
        wait_until 10 unnamed '^開く$' && return 0
    done
    echo "FAIL: the file dialog did not close"; exit 1
}
open_file "$media/eio.abacor-tape"
# The refusal: a message box, titled as the calculator is.
wait_until 30 named '^Abacor$' 2 || { echo "FAIL: a file whose reads fail was not refused with a message"; exit 1; }
kill -0 "$app" 2>/dev/null || { echo "FAIL: a read error ended the program"; exit 1; }
box=$(xdotool search --onlyvisible --name '^Abacor$' | grep -vx "$window" | head -n 1)
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
one_calculator() { ! named '^Abacor$' 2; }
wait_until 30 one_calculator || { echo "FAIL: the refusal did not close on Return"; exit 1; }
open_file "$media/slow.abacor-tape"
progress=
shown() { progress=$(xdotool search --onlyvisible --name '^テープのファイルを開いています$' 2>/dev/null | head -n 1); [ -n "$progress" ]; }
wait_until 30 shown || { echo "FAIL: no progress dialog while a slow file was read"; exit 1; }
xdotool windowfocus --sync "$progress" 2>/dev/null || true
xdotool key Escape
gone() { ! shown; }
wait_until 30 gone || { echo "FAIL: Escape did not stop the open"; exit 1; }
answers() { [ "$(sqlite3 "$tape" "SELECT count(*) FROM lines WHERE number = '56'" 2>/dev/null)" -ge 1 ]; }
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool type --delay 50 '7*8='
wait_until 30 answers || { echo "FAIL: the calculator did not answer after the stop"; exit 1; }
if [ "$(sqlite3 "$tape" "SELECT count(*) FROM lines WHERE number IN ('12', '30') AND run = (SELECT max(run) FROM runs)")" -ne 0 ]; then
    echo "FAIL: a file stopped while it was read reached the tape"; exit 1
fi
quit
echo "PASS: a file held by sqlite3 was left alone, and the run's lines reached it once it was free; a file whose reads fail refused, a slow one stopped by Escape on its progress dialog"
