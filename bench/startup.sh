#!/bin/sh
# Start-up time to the first mapped window and to its first painted frame, and
# resident memory, Abacor beside a bare Qt Widgets window, under Xvfb with a
# session bus as on a desktop: 11 alternating rounds each, the first dropped,
# on a fresh profile (an empty settings store and no tape for every launch)
# and on a warm one (the profile the first launch of the round left: a tape,
# a kept state, the window's place). The figures are paired medians: the
# ratio of each round's two launches, so that a busy moment weighs on both.
set -eu
BUILD=${1:-build}
waiter="$BUILD/bench/launch-until-mapped"
bare="$BUILD/bench/abacor_bare_window"
abacor="$BUILD/Abacor"

work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xserver=$!
exec 3>&-
bus=
trap 'kill $xserver $bus 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "startup: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
mkdir -p "$work/runtime"; chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
# A session bus of its own: Qt asks it for the accessibility bus at start.
exec 4>"$work/bus"
dbus-daemon --session --nofork --print-address=4 --print-pid=4 >/dev/null 2>&1 &
bus=$!
exec 4>&-
for _ in $(seq 100); do [ "$(wc -l <"$work/bus")" -ge 2 ] && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] || { echo "startup: dbus-daemon did not start" >&2; exit 1; }
export DBUS_SESSION_BUS_ADDRESS

launch() {  # profile program -> "time-to-window rss first-frame"
    if [ "$2" = bare ]; then binary=$bare; else binary=$abacor; fi
    XDG_CONFIG_HOME="$work/$1/config" XDG_STATE_HOME="$work/$1/state" "$waiter" "$settle" "$binary"
}
settle=2
for profile in fresh warm; do
    for round in $(seq 0 10); do
        for program in bare abacor; do
            # A warm profile is made by a first launch of its own.
            rm -rf "$work/$profile"; mkdir -p "$work/$profile/config" "$work/$profile/state"
            [ "$profile" = warm ] && settle=1 launch warm "$program" >/dev/null
            result=$(launch "$profile" "$program")
            [ "$round" -gt 0 ] && echo "$profile $program $round $result" >>"$work/results"
        done
    done
    settle=0
done

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() {  # profile program field
    awk -v p="$1" -v g="$2" -v f="$3" '$1 == p && $2 == g { print $(f + 3) }' "$work/results"
}
paired() {  # profile field: the median of each round's Abacor/bare ratio
    awk -v p="$1" -v f="$2" '$1 == p { v[$3 "," $2] = $(f + 3); r[$3] = 1 }
        END { for (k in r) print v[k ",abacor"] / v[k ",bare"] }' "$work/results" | median
}
printf "%-34s %10s %10s\n" "" "fresh" "warm"
for row in "time to window (ms):1" "first frame (ms):3"; do
    name=${row%:*}; field=${row#*:}
    printf "%-34s %10s %10s\n" "$name, bare Qt" "$(column fresh bare "$field" | median)" "$(column warm bare "$field" | median)"
    printf "%-34s %10s %10s\n" "$name, Abacor" "$(column fresh abacor "$field" | median)" "$(column warm abacor "$field" | median)"
    printf "%-34s %10s %10s\n" "  paired ratio Abacor / bare" "$(paired fresh "$field")" "$(paired warm "$field")"
done
printf "%-34s %10s\n" "RSS after 2 s, bare Qt (MiB)" "$(column fresh bare 2 | median | awk '{ printf "%.1f", $1 / 1024 }')"
printf "%-34s %10s\n" "RSS after 2 s, Abacor (MiB)" "$(column fresh abacor 2 | median | awk '{ printf "%.1f", $1 / 1024 }')"
echo "goals: first frame at most 1.10 x the bare window's, fresh and warm; RSS at most 1.15 x"
