#!/bin/sh
# Both programs as a screen reader sees them: a private D-Bus session and
# AT-SPI bus under Xvfb, each program started with accessibility on, and
# tests/e2e/accessibility.py walking the tree with pyatspi. Exit 77 (skipped)
# when the tools are not installed.
set -u
ABACOR=$1
EDITOR_BIN=$2

X_TOOLS="Xvfb xdotool dbus-run-session"
for file in /usr/libexec/at-spi-bus-launcher; do
    if [ ! -x "$file" ]; then
        echo "SKIPPED: $file is missing (at-spi2-core; scripts/install-deps installs it)"; exit 77
    fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIPPED: python3-pyatspi is not installed (scripts/install-deps installs it)"; exit 77
fi
if [ -z "${DBUS_SESSION_BUS_ADDRESS_PRIVATE:-}" ]; then
    DBUS_SESSION_BUS_ADDRESS_PRIVATE=1 exec dbus-run-session -- sh "$0" "$@"
fi
. "$(dirname "$0")/xvfb-session.sh"

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
launcher=$!
trap 'kill $launcher 2>/dev/null; cleanup' EXIT
sleep 0.5
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

start_program '^Abacor$' "$ABACOR"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" calculator "$window" || exit 1
kill "$app"; wait "$app" 2>/dev/null

start_program '^Abacor$' "$ABACOR"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" tape || exit 1
xdotool windowfocus --sync "$window"
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
    echo "FAIL: Ctrl+Q did not end the calculator"; exit 1
fi
start_program '^Abacor$' "$ABACOR"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" tape-again || exit 1
kill "$app"; wait "$app" 2>/dev/null

start_program 'Abacorの設定' "$EDITOR_BIN"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" editor || exit 1
