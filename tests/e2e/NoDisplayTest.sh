#!/bin/sh
# Both programs without a display, and with one whose socket cannot exist (a
# path in an empty folder of the test's own, never a display number another
# program may hold): one line on standard error and status 1, never an abort.
# Asked for help or the version they answer on standard output with status 0,
# and an unknown option is an error (status 2): no display needed for either.
set -u
nowhere=$(mktemp -d)
trap 'rm -rf "$nowhere"' EXIT
status=0
# The line in the desktop's language, or the one --lang gives.
check() {  # program display desktop-language expected-word [option]
    err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE="$3" DISPLAY="$2" timeout 60 "$1" ${5:-} 2>&1 >/dev/null)
    code=$?
    lines=$(printf '%s\n' "$err" | wc -l)
    if [ "$code" -ne 1 ] || [ "$lines" -ne 1 ] || ! printf '%s' "$err" | grep -q "DISPLAY" ||
        ! printf '%s' "$err" | grep -q "$4"; then
        echo "$1 ${5:-} with DISPLAY='$2', LANGUAGE=$3: status $code, stderr [$err]"
        status=1
    fi
}
answers() {  # program option expected-status expected-word-on-stdout-or-stderr
    out=$(env -u WAYLAND_DISPLAY -u DISPLAY timeout 60 "$1" $2 2>&1)
    code=$?
    if [ "$code" -ne "$3" ] || ! printf '%s' "$out" | grep -q -- "$4"; then
        echo "$1 $2: status $code, not $3; output [$out]"
        status=1
    fi
}
for program in "$@"; do
    for display in "" "$nowhere/none:0"; do
        check "$program" "$display" ja 画面
        check "$program" "$display" ja "cannot start" --lang=en
    done
    name=$(basename "$program")
    answers "$program" --help 0 "usage: $name"
    answers "$program" -h 0 "usage: $name"
    answers "$program" --version 0 "^$name  Version [0-9]"
    answers "$program" --bogus 2 "unknown option --bogus"
    answers "$program" "-style fusion --version" 0 "Version"
done
exit $status
