#!/bin/sh
# kill -9 at any moment, 200 times: the database passes integrity_check, and
# it holds every line but at most those of the last half second. Exit 77
# (skipped) without the sqlite3 program.
set -u
SOAK=$1
if ! command -v sqlite3 >/dev/null 2>&1; then
    echo "SKIPPED: sqlite3 is not installed (scripts/install-deps installs it)"; exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
db="$work/tape.db"
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

for round in $(seq 200); do
    "$SOAK" "$db" >"$work/said" 2>"$work/err" &
    soak=$!
    # Mostly within a batch or two (20 to 300 ms); every fourth round long
    # enough (500 to 1000 ms) that lines are due on the disk.
    if [ $((round % 4)) -eq 0 ]; then
        sleep "$(printf '0.%03d' $(( (round * 7919) % 500 + 500 )))"
    else
        sleep "$(printf '0.%03d' $(( (round * 7919) % 281 + 20 )))"
    fi
    killed=$(now_ms)
    kill -9 "$soak"
    wait "$soak" 2>/dev/null
    checked=$(sqlite3 "$db" "PRAGMA integrity_check")
    if [ "$checked" != "ok" ]; then
        echo "FAIL: round $round: integrity_check says: $checked"; exit 1
    fi
    # Its lines as of half a second before the kill must all be there.
    due=$(awk -v t=$((killed - 500)) '$2 <= t { n = $1 } END { print n + 0 }' "$work/said")
    kept=$(sqlite3 "$db" "SELECT count(*) FROM lines WHERE run = (SELECT max(run) FROM runs)")
    [ "$due" -gt "${longest_due:-0}" ] && longest_due=$due
    if [ "$kept" -lt "$due" ]; then
        echo "FAIL: round $round: $kept lines kept of the $due due half a second before the kill"; exit 1
    fi
done
if [ "${longest_due:-0}" -eq 0 ]; then
    echo "FAIL: no round ran long enough to have lines due"; exit 1
fi
echo "PASS: 200 kills, the database whole each time, no line older than half a second lost (up to $longest_due due)"
