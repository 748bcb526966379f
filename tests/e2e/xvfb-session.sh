# Sourced by the end-to-end tests: needs the tools named in $X_TOOLS (exit 77,
# skipped, without them), starts a private Xvfb, and gives a scratch folder
# $work with an empty settings store. With X_ACCESSIBILITY=1 it runs the test
# on a D-Bus session bus and an accessibility bus of its own. Everything it
# and the caller start (remember_pid) is ended at exit by its id; nothing
# else is touched. Waits poll for what they need with a generous limit.
if [ "${X_ACCESSIBILITY:-0}" = 1 ]; then
    X_TOOLS="$X_TOOLS dbus-run-session dbus-send"
    for file in /usr/libexec/at-spi-bus-launcher; do
        if [ ! -x "$file" ]; then
            echo "SKIPPED: $file is missing (at-spi2-core; scripts/install-deps installs it)"; exit 77
        fi
    done
    if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
        echo "SKIPPED: python3-pyatspi is not installed (scripts/install-deps installs it)"; exit 77
    fi
fi
for tool in $X_TOOLS; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (scripts/install-deps installs it)"
        exit 77
    fi
done
if [ "${X_ACCESSIBILITY:-0}" = 1 ] && [ -z "${ABACOR_TEST_SESSION_BUS:-}" ]; then
    ABACOR_TEST_SESSION_BUS=1 exec dbus-run-session -- sh "$0" "$@"
fi

work=$(mktemp -d)
pids=""
remember_pid() { pids="$pids $1"; }
# Each ended and waited for: an X server still going away
# could take the next test's display socket with it.
cleanup() {
    for mount in ${mounts:-}; do fusermount -u "$mount" 2>/dev/null; done
    for pid in ${app:-} $pids; do kill "$pid" 2>/dev/null; done
    for pid in ${app:-} $pids; do
        for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

# wait_until SECONDS COMMAND...: true once the command succeeds, polled.
wait_until() {
    limit=$(($1 * 10))
    shift
    while [ "$limit" -gt 0 ]; do
        "$@" && return 0
        limit=$((limit - 1))
        sleep 0.1
    done
    return 1
}

# The server picks a free display itself and writes its number when it is ready.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xserver=$!
remember_pid "$xserver"
exec 3>&-
if ! wait_until 30 test -s "$work/display"; then
    echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"
# Asked, not assumed: a program started before the server answers has no display.
if ! wait_until 30 sh -c 'xdotool getdisplaygeometry >/dev/null 2>&1'; then
    echo "FAIL: Xvfb on $DISPLAY does not answer"; cat "$work/xvfb.log"; exit 1
fi

mkdir -p "$work/config" "$work/runtime" "$work/state"
chmod 700 "$work/runtime"
# The design's Japanese words, whatever the machine's language (LANGUAGE
# moves the words only, not the numbers).
export LANGUAGE="${ABACOR_TEST_LANGUAGE:-ja}"
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb

if [ "${X_ACCESSIBILITY:-0}" = 1 ]; then
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
    remember_pid $!
    # Asked of the bus, not of the launcher, which the asking would start a second time.
    a11y_bus_up() {
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
    }
    if ! wait_until 30 a11y_bus_up; then
        echo "FAIL: the accessibility bus did not start"; cat "$work/atspi.log"; exit 1
    fi
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
fi

# click_on APPLICATION NAME [ROLE]: clicks the part so named where its
# accessibility tree puts it, once it shows.
click_on() {
    at=$(/usr/bin/python3 "$(dirname "$0")/where.py" "$@") || { echo "FAIL: nothing to click as $2"; exit 1; }
    # shellcheck disable=SC2086
    xdotool mousemove $at click 1
}

# click_at X Y: a click at a point of $window, for programs with no
# accessibility tree to ask (wine's).
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# The number of the program's windows shown, popup menus included.
shown_windows() { xdotool search --onlyvisible --class "$1" 2>/dev/null | wc -l; }

windows_at_least() { [ "$(shown_windows "$1")" -ge "$2" ]; }
windows_at_most() { [ "$(shown_windows "$1")" -le "$2" ]; }
# wait_windows CLASS N: until N windows of the program show.
wait_windows() { wait_until 30 windows_at_least "$1" "$2" || { echo "FAIL: no window $2 of $1"; exit 1; }; }

# Starts a program and waits for its window (title pattern $1, program and
# arguments after it); sets $app and $window, or fails with the program's output.
start_program() {
    title=$1
    shift
    "$@" >"$work/program.log" 2>&1 &
    app=$!
    # Polled rather than --sync: a window that goes while xdotool looks at it
    # (wine makes and drops many at start) ends xdotool with an X error.
    window=
    found_window() {
        window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1)
        [ -n "$window" ] || ! kill -0 "$app" 2>/dev/null
    }
    wait_until "${START_SECONDS:-60}" found_window
    if [ -z "$window" ]; then
        echo "FAIL: no window '$title' appeared on $DISPLAY"; cat "$work/program.log"
        kill -0 "$xserver" 2>/dev/null || echo "(the X server had ended)"
        cat "$work/xvfb.log"
        exit 1
    fi
    xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# ends PID: true once the process has ended (polled, 30 s).
ended() { wait_until 30 sh -c "! kill -0 $1 2>/dev/null"; }
