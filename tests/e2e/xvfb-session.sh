# Sourced by the end-to-end tests: needs the tools named in $X_TOOLS (exit 77,
# skipped, without them), starts a private Xvfb, and gives a scratch folder
# $work with an empty settings store. The caller's $app is ended at exit.
for tool in $X_TOOLS; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (scripts/install-deps installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    [ -n "${xserver:-}" ] && kill "$xserver" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display itself and writes its number when it is ready.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xserver=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xserver" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"

mkdir -p "$work/config" "$work/runtime" "$work/state"
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb

# Clicks at a point of a window, then lets the program answer.
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.2
}

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
    for _ in $(seq $((${START_SECONDS:-20} * 5))); do
        window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1)
        [ -z "$window" ] || break
        kill -0 "$app" 2>/dev/null || break
        sleep 0.2
    done
    if [ -z "$window" ]; then
        echo "FAIL: no window '$title' appeared"; cat "$work/program.log"; exit 1
    fi
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    sleep 0.3
}
