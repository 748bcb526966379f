#!/bin/sh
# Start-up time to the first mapped window and to its first painted frame, and
# resident memory, Abacor beside
# a bare Qt Widgets window, under Xvfb: 7 alternating rounds each, the first
# dropped, a fresh empty settings store for every launch.
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
trap 'kill $xserver 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "startup: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
mkdir -p "$work/runtime"; chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

for round in 0 1 2 3 4 5 6 7; do
    for program in bare abacor; do
        rm -rf "$work/config" "$work/state"; mkdir "$work/config" "$work/state"
        if [ "$program" = bare ]; then binary=$bare; else binary=$abacor; fi
        result=$(XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" "$waiter" 2 "$binary")
        [ "$round" -gt 0 ] && echo "$program $result" >>"$work/results"
    done
done

summary() {  # program column -> "median min max"
    grep "^$1 " "$work/results" | cut -d' ' -f"$2" | sort -n | awk '
        { v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
                             printf "%.1f %.1f %.1f", m, v[1], v[NR] }'
}
set -- $(summary bare 4); bf=$1; bfmin=$2; bfmax=$3
set -- $(summary abacor 4); af=$1; afmin=$2; afmax=$3
set -- $(summary bare 2); bt=$1; btmin=$2; btmax=$3
set -- $(summary abacor 2); at=$1; atmin=$2; atmax=$3
set -- $(summary bare 3); br=$1; brmin=$2; brmax=$3
set -- $(summary abacor 3); ar=$1; armin=$2; armax=$3
printf "%-28s %10s %16s\n" "" "median" "min-max"
printf "%-28s %8s ms %8s-%s ms\n" "time to window, bare Qt" "$bt" "$btmin" "$btmax"
printf "%-28s %8s ms %8s-%s ms\n" "time to window, Abacor" "$at" "$atmin" "$atmax"
printf "%-28s %8s ms %8s-%s ms\n" "first frame, bare Qt" "$bf" "$bfmin" "$bfmax"
printf "%-28s %8s ms %8s-%s ms\n" "first frame, Abacor" "$af" "$afmin" "$afmax"
printf "%-28s %7.1f MiB %6.1f-%.1f MiB\n" "RSS after 2 s, bare Qt" "$(echo "$br / 1024" | bc -l)" "$(echo "$brmin / 1024" | bc -l)" "$(echo "$brmax / 1024" | bc -l)"
printf "%-28s %7.1f MiB %6.1f-%.1f MiB\n" "RSS after 2 s, Abacor" "$(echo "$ar / 1024" | bc -l)" "$(echo "$armin / 1024" | bc -l)" "$(echo "$armax / 1024" | bc -l)"
printf "ratio Abacor / bare: time to window %.2f, first frame %.2f (goal 1.20), RSS %.2f (goal 1.15)\n" \
    "$(echo "$at / $bt" | bc -l)" "$(echo "$af / $bf" | bc -l)" "$(echo "$ar / $br" | bc -l)"
