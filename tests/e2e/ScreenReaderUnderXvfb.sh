#!/bin/sh
# What a blind user hears: both programs under the Orca screen reader, keys
# sent with xdotool, and Orca's speech caught by a speech-dispatcher module
# that writes each utterance to a file instead of a sound card. Exit 77
# (skipped) when Orca or speech-dispatcher is not installed.
set -u
ABACOR=$1
EDITOR_BIN=$2

X_TOOLS="Xvfb xdotool xclip orca speech-dispatcher"
for file in /usr/lib/speech-dispatcher-modules/sd_generic; do
    if [ ! -x "$file" ]; then
        echo "SKIPPED: $file is missing (scripts/install-deps installs it)"; exit 77
    fi
done
X_ACCESSIBILITY=1
. "$(dirname "$0")/xvfb-session.sh"

# A speech-dispatcher of our own: one module, which appends what it is given
# to a file, and sound to ALSA's null device.
export ABACOR_SPOKEN="$work/spoken.txt"
: >"$ABACOR_SPOKEN"
mkdir -p "$work/config/speech-dispatcher/modules" "$work/orca"
cat >"$work/config/speech-dispatcher/speechd.conf" <<CONF
AddModule "capture" "sd_generic" "capture.conf"
DefaultModule capture
LanguageDefaultModule "en" "capture"
LanguageDefaultModule "ja" "capture"
AudioOutputMethod "alsa"
AudioALSADevice "null"
LogDir "$work"
CONF
cat >"$work/config/speech-dispatcher/modules/capture.conf" <<'CONF'
GenericExecuteSynth "echo \'$DATA\' >> \"$ABACOR_SPOKEN\""
AddVoice "en" "MALE1" "x"
AddVoice "ja" "MALE1" "x"
GenericLanguage "en" "en" "utf-8"
GenericLanguage "ja" "ja" "utf-8"
CONF

speech-dispatcher -s -t 0 >"$work/speechd.log" 2>&1 &
remember_pid $!
if ! wait_until 60 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"; then
    echo "FAIL: speech-dispatcher did not start"; cat "$work/speechd.log"; exit 1
fi
# An Orca of the test's own, on the test's own buses: it never replaces
# another, and another user's Orca (which it finds by process name, of any
# display) does not keep it from starting.
mkdir -p "$work/bin"
printf '#!/bin/sh\n# No other Orca on these buses.\nexit 1\n' >"$work/bin/pgrep"
chmod +x "$work/bin/pgrep"
# Orca's own words (roles, states) in English, which the lines below expect;
# the programs speak Japanese.
PATH="$work/bin:$PATH" LANGUAGE=en orca -u "$work/orca" --debug-file="$work/orca.debug" >"$work/orca.log" 2>&1 &
remember_pid $!
# Orca greets once its speech works.
if ! wait_until 60 grep -q . "$ABACOR_SPOKEN"; then
    echo "FAIL: Orca said nothing"; tail -n 20 "$work/orca.log"; exit 1
fi

failures=0
mark=0
# Keys (xdotool key arguments), then the line a listener must hear within
# thirty seconds after them: exactly (=) or as a part of a line (~).
say() {
    previous=$mark
    mark=$(wc -l <"$ABACOR_SPOKEN")
    xdotool key --delay 400 "$@"
}
hears() {
    how=$1
    words=$2
    exact=""
    [ "$how" = "=" ] && exact=-x
    heard() { tail -n +"$((mark + 1))" "$ABACOR_SPOKEN" | grep -q $exact -F -e "$words"; }
    if wait_until 30 heard; then
        echo "heard: $words"
        return 0
    fi
    echo "FAIL: did not hear '$words'; heard:"
    tail -n +"$((mark + 1))" "$ABACOR_SPOKEN" | sed 's/^/    /'
    failures=$((failures + 1))
}

# The line was said once only since the keys before the last (their echo
# heard first, so that nothing of theirs is still on its way).
# With "~" first: said once within a line (with the display, or as news).
said_once() {
    whole=-x
    [ "$1" = "~" ] && { whole=""; shift; }
    count=$(tail -n +"$((previous + 1))" "$ABACOR_SPOKEN" | grep -c $whole -F -e "$1")
    if [ "$count" -ne 1 ]; then
        echo "FAIL: '$1' was said $count times:"; tail -n +"$((previous + 1))" "$ABACOR_SPOKEN" | sed 's/^/    /'
        failures=$((failures + 1))
    fi
}
# The last line said (once the keys' lines came) is this one.
last_said() {
    last() { [ "$(tail -n 1 "$ABACOR_SPOKEN")" = "$1" ]; }
    if ! wait_until 30 last "$1"; then
        echo "FAIL: the last line said is '$(tail -n 1 "$ABACOR_SPOKEN")', not '$1'"
        failures=$((failures + 1))
    fi
}

# The phone's record: no grouping and no desk switch on, so that each line
# below is the value alone; the switches are turned from the keys.
mkdir -p "$work/config/Korvel"
printf '[General]\nCommaFormatFlg=0\nGrandTotalFlg=0\nDeskTaxFlg=0\nTaxSumFlg=0\nConstantMode=0\nItemCountFlg=0\n' \
    >"$work/config/Korvel/Abacor.conf"
start_program '^Abacor$' "$ABACOR"
hears "~" "表示"
say 1 2 plus 3 Return
hears "=" "15"
# Where-am-I: the value, no "selected", the annunciators once.
say KP_Enter
hears "=" "15."
# The tape opens on its newest line, and closing it returns to the display.
say F3
hears "~" "15 *"
# A miss in the find is said, and the current line stays.
say ctrl+f z z
hears "~" "見つかりません"
say Escape
hears "~" "15 *"
# The correction field says its name; leaving it, the line is said again
# (Orca reads "＝" as "="). Alt+M asks for a note, Orca's Insert aside.
say Up Return
hears "~" "訂正"
say Escape
hears "~" "3 =  #2"
say alt+m
hears "~" "この行の注記"
say Escape
hears "~" "3 =  #2"
say F3
hears "~" "表示"
# The menu's first item (its title too, unless the item comes first under load).
say F2
hears "~" "メモリー"
say 1
hears "~" "プラス"
# The command's change is read with the display, which has the focus again.
say 1
hears "~" "15 メモリー 15"
said_once "~" "15 メモリー 15"
say KP_Enter
hears "=" "15 メモリー 15."
say 1 Right 0 Return
hears "=" "ERROR"
# Every change of the display but a typed digit is spoken once, after the
# reader's own echo: the sign, CE, the digit drop, a paste, a refused digit.
say Escape 5 l
hears "=" "-5"
say Escape 1 2
hears "~" "2"
say Delete
hears "=" "0"
say 7
hears "~" "7"
said_once "0"
say BackSpace
hears "=" "0"
last_said "0"
say 1 2 3 4 5 6 7 8 9 0 1 2 3
hears "=" "123456789012 桁数オーバー"
printf '¥1,980' | xclip -selection clipboard
say Escape ctrl+v
hears "=" "1980"
# A time and a day count in words.
say Escape 1 colon
hears "=" "1時間0分0秒"
say 3 0 5
hears "=" "1:30:00 桁数オーバー"
say colon
hears "=" "1時間30分0秒"
say Escape d
hears "~" "日付にする数字が入っていません。"
say Escape 4 d 2 7 asciitilde
hears "~" "4月27日"
say ctrl+shift+t
hears "~" "常に手前に表示 オン"
say ctrl+shift+t
hears "~" "常に手前に表示 オフ"
# A key switched off says why and which key turns it on; the switch says
# where it now stands, and the key works at once.
say Escape 1 5 g
hears "=" "15 GTはオフです。Alt+G でオンにします。"
say alt+g
hears "~" "GT オン"
say Escape 2 plus 3 Return g
hears "~" "5 GT"
# 非加算 says the number it wrote, then the 0; the first rate back is said.
say Escape 2 0 2 4 numbersign
hears "=" "2024 非加算 0"
say r
hears "=" "0 税8%"
say r
hears "=" "0 税10%"
# Shift+F10 opens the display's menu on its first item; copying is said.
say shift+F10
hears "~" "コピー"
say Return
hears "~" "0 コピーしました"
# The save dialog's list says its value, at each arrow too; Escape is back
# on the display it came from.
say ctrl+s
hears "~" "現在の計算"
say Down
hears "=" "テープ全体"
say Escape
hears "~" "表示"
# Qt's own dialogs speak the program's language (Qt's translations).
say ctrl+e
hears "~" "ファイル名"
kill "$app"; wait "$app" 2>/dev/null

start_program 'Abacorの設定' "$EDITOR_BIN"
hears "~" "ページ1"
# Four pages, counted without the tab bar's scroll buttons.
say KP_Enter
hears "=" "1 of 4."
# The colour dialog says which item it edits; its palette is a grid the
# arrows walk, each cell named by its colour; Escape leaves it.
say Tab
hears "=" "色の設定項目 combo box."
say Tab space
hears "=" "Abacorの設定 アプリケーションの背景色 dialog."
say Right
hears "~" "push button"
say Escape
hears "~" "色設定"
# A preset is applied and said once: the Return on its message applies
# nothing again, and the focus is back on the list.
say Tab Tab
hears "~" "プリセット"
say Down
hears "~" "List with 3 items"
say Down
hears "~" "ダーク"
say Return
hears "~" "プリセット「ダーク」の色にしました"
say Return
hears "~" "プリセット"
said_once "~" "の色にしました"
# 元に戻す says it did.
say F2 2
hears "~" "元に戻しました。"
say shift+Tab shift+Tab shift+Tab shift+Tab
say Right Right Tab
hears "=" "ページ3"
say Tab Tab
hears "~" "縦(左上)"
# A list says its value after its label, at every arrow, and to where-am-I.
hears "=" "無効."
say Down
hears "=" "%"
say Down
hears "=" "CA"
say Up
hears "=" "%"
say KP_Enter
hears "=" "縦(左上): combo box."
say Tab
hears "~" "縦(右下)"
say Tab
hears "~" "縦(右上)"
say Tab
hears "~" "横"
say Tab
hears "~" "税率設定: slider 10.00"
say Page_Up
hears "=" "11.00"
# A question, answered いいえ: the focus is back on the slider.
say F2 0
hears "~" "保存せずに終了しますか"
say Return
hears "~" "税率設定"
# Ctrl+Tab turns the page from any control, and the page is said.
say ctrl+Tab
hears "~" "ページ4"
say ctrl+shift+Tab
hears "~" "ページ3"
say Tab Tab Tab
hears "~" "縦(左上)"
say ctrl+Tab
hears "~" "ページ4"

kill "$app"; wait "$app" 2>/dev/null

# The calculator in English: its display (the GT and memory kept from the
# run above, read with the display once they have come, never as news), its
# menus and its news.
start_program '^Abacor$' "$ABACOR" --lang en
hears "~" "Display GT read only text."
say 2
hears "=" "2 "
say F2
hears "~" "Memory"
say 1
hears "~" "Add (M+)"
say 1
hears "~" "2 memory 17"
kill "$app"; wait "$app" 2>/dev/null

# A tape that cannot be kept says why when it starts, once; where-am-I
# then reads the display, not the news again.
: >"$work/not-a-folder"
start_program '^Abacor$' env XDG_STATE_HOME="$work/not-a-folder" "$ABACOR" --lang en
no_folder="0 There is no folder to keep the tape in (check XDG_STATE_HOME or HOME)."
hears "=" "$no_folder"
say 4 KP_Enter
hears "=" "4."
said_once "$no_folder"
# A file whose result was edited by hand: said, and then the keys are on
# the tape's line that says where.
printf '\357\273\277abacor-tape,1\r\n設定,TaxPercent=1000,TaxPercent2=800,RoundSelector=0,DecimalSelector=0,GrandTotalFlg=0,DeskTaxFlg=0,TaxSumFlg=0,ConstantMode=0,ItemCountFlg=0,DayCountMode=0,ActiveRate=1\r\n実行,計算,番号,数値,種別,訂正前,注記,日時\r\n1,1,1,12,＋,,,\r\n1,1,2,3,＝,,,\r\n1,1,,16,*,,,\r\n' \
    >"$work/differs.abacor-tape"
say ctrl+o
hears "~" "Open"
say ctrl+a
xdotool type --delay 20 "$work/differs.abacor-tape"
say Return
hears "~" "The recalculated result differs from the file"
say Return
hears "~" "Results differ: #6"

if [ "$failures" -ne 0 ]; then
    echo "FAIL: $failures lines were not spoken; Orca said:"
    tail -n 20 "$work/orca.log"
    exit 1
fi
echo "PASS: results, errors, menus, lists and the slider are spoken"
