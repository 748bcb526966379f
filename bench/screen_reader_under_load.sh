#!/bin/sh
# The screen-reader test as a blind developer's machine runs it: another Orca
# going (on a display and buses of its own, as a user's own reader) and the
# cores busy (a load of about 4 on 2 cores). Passes when the test passes and
# the other Orca still runs after it. Not part of `make test`: a run takes
# minutes and the load slows whatever else the machine does.
#   bench/screen_reader_under_load.sh build/Abacor build/AbacorSet
set -u
ABACOR=$1
EDITOR_BIN=$2
here=$(dirname "$0")
work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null; done
    for pid in $pids; do wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

# The user's own reader: its own Xvfb and session bus, speech to nowhere.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids="$pids $!"
exec 3>&-
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(head -n 1 "$work/display")" XDG_CONFIG_HOME="$work/config" \
    dbus-run-session -- orca -u "$work/orca" >"$work/orca.log" 2>&1 &
other=$!
pids="$pids $other"

# Four busy loops: a load of 4 on 2 cores.
for _ in 1 2 3 4; do
    sh -c 'while :; do :; done' &
    pids="$pids $!"
done

sh "$here/../tests/e2e/ScreenReaderUnderXvfb.sh" "$ABACOR" "$EDITOR_BIN"
result=$?
echo "load: $(cut -d ' ' -f 1-3 /proc/loadavg)"
if ! kill -0 "$other" 2>/dev/null; then
    echo "FAIL: the other Orca is gone"; tail -n 5 "$work/orca.log"; exit 1
fi
echo "the other Orca still runs"
exit "$result"
