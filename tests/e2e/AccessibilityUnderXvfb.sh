#!/bin/sh
# Both programs as a screen reader sees them: a private D-Bus session and
# AT-SPI bus under Xvfb, each program started with accessibility on, and
# tests/e2e/accessibility.py walking the tree with pyatspi. Exit 77 (skipped)
# when the tools are not installed.
set -u
ABACOR=$1
EDITOR_BIN=$2

X_TOOLS="Xvfb xdotool"
X_ACCESSIBILITY=1
. "$(dirname "$0")/xvfb-session.sh"

# The phone's record: the values and the tape's lines without the desk
# switches' annunciators and counts, as the walk below reads them.
mkdir -p "$work/config/Korvel"
printf '[General]\nCommaFormatFlg=0\nGrandTotalFlg=0\nDeskTaxFlg=0\nTaxSumFlg=0\nConstantMode=0\nItemCountFlg=0\n' \
    >"$work/config/Korvel/Abacor.conf"
start_program '^Abacor$' "$ABACOR"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" calculator "$window" || exit 1
kill "$app"; wait "$app" 2>/dev/null

start_program '^Abacor$' "$ABACOR"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" tape || exit 1
xdotool windowfocus --sync "$window"
xdotool key ctrl+q
if ! ended "$app"; then
    echo "FAIL: Ctrl+Q did not end the calculator"; exit 1
fi
start_program '^Abacor$' "$ABACOR"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" tape-again "$work" || exit 1
kill "$app"; wait "$app" 2>/dev/null

start_program 'Abacorの設定' "$EDITOR_BIN"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" editor || exit 1
kill "$app"; wait "$app" 2>/dev/null

# Both again in English, the tape holding the lines above.
start_program '^Abacor$' "$ABACOR" --lang en
/usr/bin/python3 "$(dirname "$0")/accessibility.py" english-calculator || exit 1
kill "$app"; wait "$app" 2>/dev/null
start_program '^Abacor Settings$' "$EDITOR_BIN" --lang en
/usr/bin/python3 "$(dirname "$0")/accessibility.py" english-editor || exit 1
kill "$app"; wait "$app" 2>/dev/null

# And in the pseudo-language: every word a screen reader gets went through the tables.
start_program '^Abacor$' "$ABACOR" --lang qps
/usr/bin/python3 "$(dirname "$0")/accessibility.py" pseudo-calculator || exit 1
kill "$app"; wait "$app" 2>/dev/null
start_program 'Séttîñgs' "$EDITOR_BIN" --lang qps
/usr/bin/python3 "$(dirname "$0")/accessibility.py" pseudo-editor || exit 1
