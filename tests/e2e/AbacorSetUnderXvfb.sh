#!/bin/sh
# Uses the settings editor as a person would, in a real X server: page 2,
# ticks "ボタンの角を丸くする" and unticks "桁を区切る", page 4, unticks the grand
# total and the invoice totals (on by default), "保存", OK, "その他" > "終了";
# then the calculator's own load reads them back: no grouping, and GT and
# 税合計 refused, the number shown kept. A calculator running all the while
# follows the save at once. Exit 77 (skipped)
# when the X tools are not installed.
set -u
EDITOR_BIN=$1
CALC=$2
ABACOR=$3

X_TOOLS="Xvfb xdotool xclip"
X_ACCESSIBILITY=1
. "$(dirname "$0")/xvfb-session.sh"

# The calculator, running before the editor starts and after it ends.
start_program '^Abacor$' "$ABACOR"
calculator=$window
remember_pid "$app"
app=
copies() {
    xdotool windowfocus --sync "$calculator" 2>/dev/null || true
    xdotool key --clearmodifiers --delay 40 Escape 1 2 3 4 5 6 7 ctrl+c
    got=$(timeout 5 xclip -o -selection clipboard 2>/dev/null)
    [ "$got" = "$1" ]
}
if ! wait_until 30 copies 1,234,567; then
    echo "FAIL: before the save the calculator shows '$got', not '1,234,567'"; exit 1
fi

start_program 'Abacorの設定' "$EDITOR_BIN"
title=$(xdotool getwindowname "$window")
if [ "$title" != "Abacorの設定" ]; then
    echo "FAIL: the window manager sees the title '$title'"; exit 1
fi

# Each where the editor shows it, once it shows.
click_on AbacorSet ページ２ "page tab"
click_on AbacorSet ボタンの角を丸くする "check box"
click_on AbacorSet 桁を区切る "check box"
click_on AbacorSet ページ４ "page tab"
click_on AbacorSet "GT（グランドトータル）を使う" "check box"
click_on AbacorSet "税率別に集計する（税合計キー）" "check box"
windows=$(shown_windows AbacorSet)
xdotool key F1  # "保存"
wait_windows AbacorSet $((windows + 1))
click_on AbacorSet OK "push button"  # "設定を保存しました。"
wait_until 30 windows_at_most AbacorSet "$windows" || { echo "FAIL: the message box stayed"; exit 1; }
xdotool key F2  # "その他", then "終了" once the menu shows
wait_windows AbacorSet $((windows + 1))
xdotool key 0

if ! ended "$app"; then
    echo "FAIL: the editor did not end after 終了"; exit 1
fi
app=
shown=$(echo 'load 1 2 3 4 5 6 7' | "$CALC" | tail -n 1 | cut -f2)
if [ "$shown" != "1234567" ]; then
    echo "FAIL: after saving, the calculator shows '$shown', expected '1234567'"
    cat "$work/config/Korvel/Abacor.conf" 2>/dev/null
    exit 1
fi
if ! grep -q '^RoundButtonFlg=1$' "$work/config/Korvel/Abacor.conf"; then
    echo "FAIL: RoundButtonFlg was not saved"; exit 1
fi
total=$(echo 'load 2 + 3 = GT' | "$CALC" -a | tail -n 1 | cut -f2,6)
if [ "$total" != "$(printf '5\t2件')" ]; then
    echo "FAIL: the grand total after saving page 4: '$total'"
    cat "$work/config/Korvel/Abacor.conf"
    exit 1
fi
totals=$(echo 'load 1 0 0 tax+ taxsum' | "$CALC" -a | tail -n 1 | cut -f2,6)
if [ "$totals" != "$(printf '110\t')" ]; then
    echo "FAIL: the invoice totals after saving page 4: '$totals'"; exit 1
fi
if ! wait_until 30 copies 1234567; then
    echo "FAIL: the running calculator did not follow the save: it shows '$got', not '1234567'"; exit 1
fi
echo "PASS: the editor saved, the calculator shows '$shown', and the running one followed at once"
