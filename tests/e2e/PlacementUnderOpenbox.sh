#!/bin/sh
# The windows where a window manager (openbox) puts frames: the calculator
# kept "常に手前に表示" and comes back to the same place across ten restarts,
# the option toggles on the window as it is, and the tape opens beside the
# calculator, wholly on the screen, above other windows with it, and where
# it was moved after a restart; a window file that says 60000 × 60000, or
# is a FIFO, still gives a window on the screen that answers. Exit 77
# (skipped) when the X tools are not installed.
set -u
ABACOR=$1

X_TOOLS="Xvfb xdotool xprop openbox"
. "$(dirname "$0")/xvfb-session.sh"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
remember_pid $!
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until 30 wm_up || { echo "FAIL: openbox did not start"; cat "$work/openbox.log"; exit 1; }

# position WINDOW: "X,Y WxH" of its client area.
position() { xdotool getwindowgeometry "$1" | tr -d ' ' | sed -n 's/^Position:\([0-9-]*,[0-9-]*\).*/\1/p;s/^Geometry:\(.*\)/\1/p' | tr '\n' ' '; }
above() { xprop -id "$1" _NET_WM_STATE | grep -q '_NET_WM_STATE_ABOVE'; }
quit() {
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers ctrl+q
    ended "$app" || { echo "FAIL: Ctrl+Q did not end the program"; exit 1; }
}

start_program '^Abacor$' "$ABACOR"
xdotool windowmove --sync "$window" 300 60
xdotool windowactivate --sync "$window"
# "メニュー" > "卓上機能" > "常に手前に表示" (8), each menu once it shows.
first=$window
windows=$(shown_windows Abacor)
xdotool key F2
wait_windows Abacor $((windows + 1))
xdotool key 7
wait_windows Abacor $((windows + 2))
xdotool key 8
wait_until 30 above "$first" || { echo "FAIL: the option did not keep the window above"; exit 1; }
now=$(xdotool search --onlyvisible --name '^Abacor$' | head -n 1)
if [ "$now" != "$first" ]; then
    echo "FAIL: toggling the option made a new window ($first, then $now)"; exit 1
fi
placed=$(position "$window")
quit

for run in 1 2 3 4 5 6 7 8 9 10; do
    start_program '^Abacor$' "$ABACOR"
    wait_until 30 above "$window" || { echo "FAIL: run $run is not above other windows"; exit 1; }
    if [ "$(position "$window")" != "$placed" ]; then
        echo "FAIL: run $run came back at $(position "$window"), not $placed"; exit 1
    fi
    [ "$run" = 10 ] || quit
done

# Near the screen's right edge (1024 wide): the tape opens at the left.
xdotool windowmove --sync "$window" 600 60
xdotool windowactivate --sync "$window"
xdotool key F3
tape_shown() { tape=$(xdotool search --onlyvisible --name 'テープ' 2>/dev/null | head -n 1); [ -n "$tape" ]; }
wait_until 30 tape_shown || { echo "FAIL: F3 showed no tape window"; exit 1; }
read_place() {
    set -- $(position "$1" | tr ',x' '  ')
    x=$1 y=$2 w=$3 h=$4
}
tape_placed() {
    read_place "$tape"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 768 ] && [ $((x + w)) -le 600 ]
}
wait_until 30 tape_placed || { echo "FAIL: the tape is at $(position "$tape"), the calculator at $(position "$window")"; exit 1; }
above "$tape" || { echo "FAIL: the tape is not above other windows with the calculator"; exit 1; }
# Moved, it opens there after a restart.
xdotool windowmove --sync "$tape" 40 90
taped=$(position "$tape")
quit
start_program '^Abacor$' "$ABACOR"
xdotool key F3
wait_until 30 tape_shown || { echo "FAIL: F3 showed no tape window after the restart"; exit 1; }
tape_back() { [ "$(position "$tape")" = "$taped" ]; }
wait_until 30 tape_back || { echo "FAIL: the tape came back at $(position "$tape"), not $taped"; exit 1; }
quit

# The calculator's frame and normal geometry made 60000 pixels wide and high.
state="$XDG_STATE_HOME/Korvel/Abacor/window"
python3 - "$state" <<'PY'
import base64, struct, sys
path = sys.argv[1]
lines = open(path, "rb").read().split(b"\n")
geometry = bytearray(base64.b64decode(lines[0]))
for rect in (8, 24):
    x, y = struct.unpack(">ii", geometry[rect:rect + 8])
    geometry[rect + 8:rect + 16] = struct.pack(">ii", x + 60000, y + 60000)
lines[0] = base64.b64encode(bytes(geometry))
open(path, "wb").write(b"\n".join(lines))
PY
start_program '^Abacor$' "$ABACOR"
# (The client area: the frame the window manager adds may reach a border's
# width further.)
on_screen() {
    read_place "$window"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1028 ] && [ $((y + h)) -le 768 ]
}
wait_until 30 on_screen || { echo "FAIL: a huge window file gave $(position "$window")"; exit 1; }
quit
rm -f "$state" && mkfifo "$state"
start_program '^Abacor$' "$ABACOR"
quit
[ -p "$state" ] || { echo "FAIL: the FIFO was replaced"; exit 1; }
echo "PASS: kept above and at $placed across ten restarts, toggled in place; the tape beside the calculator, and back at $taped after a restart; a huge or FIFO window file gives a window on the screen"
