#!/bin/sh
# Both programs without a display, and with one whose socket cannot exist (a
# path in an empty folder of the test's own, never a display number another
# program may hold): one line on standard error and status 1, never an abort.
set -u
nowhere=$(mktemp -d)
trap 'rm -rf "$nowhere"' EXIT
status=0
for program in "$@"; do
    for display in "" "$nowhere/none:0"; do
        err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" timeout 60 "$program" 2>&1 >/dev/null)
        code=$?
        lines=$(printf '%s\n' "$err" | wc -l)
        if [ "$code" -ne 1 ] || [ "$lines" -ne 1 ] || ! printf '%s' "$err" | grep -q "DISPLAY"; then
            echo "$program with DISPLAY='$display': status $code, stderr [$err]"
            status=1
        fi
    done
done
exit $status
