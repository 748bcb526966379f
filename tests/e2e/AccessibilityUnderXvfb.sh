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

# A program started, its tree walked by STEP, and ended: walk STEP TITLE PROGRAM [ARGS...]
walk() {
    step=$1 title=$2
    shift 2
    start_program "$title" "$@"
    /usr/bin/python3 "$(dirname "$0")/accessibility.py" "$step" || exit 1
    kill "$app"; wait "$app" 2>/dev/null || true
}

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

walk editor 'Abacorの設定' "$EDITOR_BIN"

# Both again in English, the tape holding the lines above.
walk english-calculator '^Abacor$' "$ABACOR" --lang en
walk english-editor '^Abacor Settings$' "$EDITOR_BIN" --lang en

# And in the pseudo-language: every word a screen reader gets went through the tables.
walk pseudo-calculator '^Abacor$' "$ABACOR" --lang qps
walk pseudo-editor 'Séttîñgs' "$EDITOR_BIN" --lang qps
