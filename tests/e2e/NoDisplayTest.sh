#!/bin/sh
# Both programs without a display, and with one that refuses the connection:
# one line on standard error and status 1, never an abort.
set -u
status=0
for program in "$@"; do
    for display in "" ":97"; do
        err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>&1 >/dev/null)
        code=$?
        lines=$(printf '%s\n' "$err" | wc -l)
        if [ "$code" -ne 1 ] || [ "$lines" -ne 1 ] || ! printf '%s' "$err" | grep -q "DISPLAY"; then
            echo "$program with DISPLAY='$display': status $code, stderr [$err]"
            status=1
        fi
    done
done
exit $status
