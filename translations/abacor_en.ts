<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Annunciator</name>
    <message>
        <source>税額</source>
        <translation>TAX</translation>
    </message>
    <message>
        <source>税込計</source>
        <translation>GROSS TOTAL</translation>
    </message>
    <message>
        <source>税抜計</source>
        <translation>NET TOTAL</translation>
    </message>
    <message>
        <source>税額計</source>
        <translation>TAX TOTAL</translation>
    </message>
    <message>
        <source>税抜</source>
        <translation>NET</translation>
    </message>
    <message>
        <source>原価</source>
        <translation>COST</translation>
    </message>
    <message>
        <source>売価</source>
        <translation>SELL</translation>
    </message>
    <message>
        <source>利益率</source>
        <translation>MARGIN</translation>
    </message>
    <message>
        <source>日</source>
        <translation>DAYS</translation>
    </message>
    <message>
        <source>税計</source>
        <translation>TAX Σ</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>TIME</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>税%1%</source>
        <translation>RATE %1%</translation>
    </message>
    <message>
        <source>テープ×</source>
        <translation>NO TAPE</translation>
    </message>
    <message>
        <source>検算</source>
        <translation>CHECK</translation>
    </message>
    <message numerus="yes">
        <source>%n件</source>
        <translation>
            <numerusform>%n ITEM</numerusform>
            <numerusform>%n ITEMS</numerusform>
        </translation>
    </message>
    <message>
        <source>NG%1</source>
        <translation>DIFF %1</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>日本語を表示できるフォントがありません。fonts-ipafont-gothic などを入れてください。</source>
        <translation>No installed font has Japanese characters; the captions cannot be shown. Install fonts-ipafont-gothic or fonts-noto-cjk.</translation>
    </message>
    <message>
        <source>窓の位置を保存できませんでした。</source>
        <translation>Could not save the window&apos;s position.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>表示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>MEMORY</source>
        <translation>MEMORY</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>RESULT</translation>
    </message>
    <message>
        <source>M E M O R Y</source>
        <translation>M E M O R Y</translation>
    </message>
    <message>
        <source>R E S U L T</source>
        <translation>R E S U L T</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>色の設定項目</source>
        <translation>Colour item</translation>
    </message>
    <message>
        <source>色設定</source>
        <translation>Set…</translation>
    </message>
    <message>
        <source>各種キーをグラデーション表示する</source>
        <translation>Shade the keys with gradients</translation>
    </message>
    <message>
        <source>プリセット：</source>
        <translation>Preset:</translation>
    </message>
    <message>
        <source>ボタンの角を丸くする</source>
        <translation>Round key corners</translation>
    </message>
    <message>
        <source>桁を区切る</source>
        <translation>Group digits</translation>
    </message>
    <message>
        <source>CEキーを桁下げキーに変更する</source>
        <translation>Make CE the digit-drop key (→)</translation>
    </message>
    <message>
        <source>フォントを滑らかにする</source>
        <translation>Smooth fonts</translation>
    </message>
    <message>
        <source>クリアキー（左メニュー）をクリアメニューにする</source>
        <translation>Clear soft key opens the Clear menu</translation>
    </message>
    <message>
        <source>数字キーを逆順（卓上電卓式）に配置する</source>
        <translation>Digits in desk order (7 8 9 on top)</translation>
    </message>
    <message>
        <source>追加キー（タップのみ対応）の設定</source>
        <translation>Extra keys (tap only)</translation>
    </message>
    <message>
        <source>縦(左上)：</source>
        <translation>Upper left:</translation>
    </message>
    <message>
        <source>縦(右下)：</source>
        <translation>Lower right:</translation>
    </message>
    <message>
        <source>縦(右上)：</source>
        <translation>Upper right:</translation>
    </message>
    <message>
        <source>横：</source>
        <translation>Landscape:</translation>
    </message>
    <message>
        <source>税率設定：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>ラウンドセレクター：</source>
        <translation>Rounding:</translation>
    </message>
    <message>
        <source>小数点セレクター：</source>
        <translation>Decimals:</translation>
    </message>
    <message>
        <source>GT（グランドトータル）を使う</source>
        <translation>Use GT (grand total)</translation>
    </message>
    <message>
        <source>税キーを卓上電卓式にする（続けて押すと税額）</source>
        <translation>Desk tax keys (press again for the tax)</translation>
    </message>
    <message>
        <source>税率２：</source>
        <translation>Rate 2:</translation>
    </message>
    <message>
        <source>テープを終了後も残す</source>
        <translation>Keep the tape after exit</translation>
    </message>
    <message>
        <source>メモリー・GT・税率を次回に引き継ぐ</source>
        <translation>Keep memory, GT and rate for next time</translation>
    </message>
    <message>
        <source>税率別に集計する（税合計キー）</source>
        <translation>Total by tax rate (TAX Σ key)</translation>
    </message>
    <message>
        <source>定数計算：</source>
        <translation>Constant:</translation>
    </message>
    <message>
        <source>件数カウント：</source>
        <translation>Item count:</translation>
    </message>
    <message>
        <source>日数計算：</source>
        <translation>Day count:</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>R</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>G</translation>
    </message>
    <message>
        <source>青</source>
        <translation>B</translation>
    </message>
    <message>
        <source>ページ１</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>ページ２</source>
        <translation>Look</translation>
    </message>
    <message>
        <source>ページ３</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>ページ４</source>
        <translation>Desk</translation>
    </message>
    <message>
        <source>Abacorの設定</source>
        <translation>Abacor Settings</translation>
    </message>
    <message>
        <source>無効</source>
        <translation>None</translation>
    </message>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>ＣＡ</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Ｃ</source>
        <translation>C</translation>
    </message>
    <message>
        <source>√</source>
        <translation>√</translation>
    </message>
    <message>
        <source>税込</source>
        <translation>TAX+</translation>
    </message>
    <message>
        <source>税抜</source>
        <translation>TAX−</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>RATE</translation>
    </message>
    <message>
        <source>００</source>
        <translation>00</translation>
    </message>
    <message>
        <source>税合計</source>
        <translation>TAX Σ</translation>
    </message>
    <message>
        <source>原価</source>
        <translation>COST</translation>
    </message>
    <message>
        <source>売価</source>
        <translation>SELL</translation>
    </message>
    <message>
        <source>利益率</source>
        <translation>MARGIN</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>AVG</translation>
    </message>
    <message>
        <source>時分秒</source>
        <translation>H:M:S</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>〜</source>
        <translation>~</translation>
    </message>
    <message>
        <source>CUT（切り捨て）</source>
        <translation>CUT (drop)</translation>
    </message>
    <message>
        <source>UP（切り上げ）</source>
        <translation>UP (raise)</translation>
    </message>
    <message>
        <source>5/4（四捨五入）</source>
        <translation>5/4 (round)</translation>
    </message>
    <message>
        <source>しない</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>××で設定（K）</source>
        <translation>×× sets K</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>片落</source>
        <translation>End day</translation>
    </message>
    <message>
        <source>両端入</source>
        <translation>Both days</translation>
    </message>
    <message>
        <source>両端落</source>
        <translation>Neither day</translation>
    </message>
    <message>
        <source>＋で数える</source>
        <translation>Count +</translation>
    </message>
    <message>
        <source>＋で加算・－で減算</source>
        <translation>Count + and −</translation>
    </message>
    <message>
        <source>アプリケーションの背景色</source>
        <translation>Window background</translation>
    </message>
    <message>
        <source>計算エリアの背景色</source>
        <translation>Display background</translation>
    </message>
    <message>
        <source>計算エリアの文字色</source>
        <translation>Display text</translation>
    </message>
    <message>
        <source>計算エリアの枠線色</source>
        <translation>Display border</translation>
    </message>
    <message>
        <source>数字キーの背景色</source>
        <translation>Digit key colour</translation>
    </message>
    <message>
        <source>数字キーの文字色</source>
        <translation>Digit key text</translation>
    </message>
    <message>
        <source>数字キーのグラデ色</source>
        <translation>Digit key shade</translation>
    </message>
    <message>
        <source>計算キーの背景色</source>
        <translation>Operator key colour</translation>
    </message>
    <message>
        <source>計算キーの文字色</source>
        <translation>Operator key text</translation>
    </message>
    <message>
        <source>計算キーのグラデ色</source>
        <translation>Operator key shade</translation>
    </message>
    <message>
        <source>クリアキーの背景色</source>
        <translation>Clear key colour</translation>
    </message>
    <message>
        <source>クリアキーの文字色</source>
        <translation>Clear key text</translation>
    </message>
    <message>
        <source>クリアキーのグラデ色</source>
        <translation>Clear key shade</translation>
    </message>
    <message>
        <source>税計算キーの背景色</source>
        <translation>Tax key colour</translation>
    </message>
    <message>
        <source>税計算キーの文字色</source>
        <translation>Tax key text</translation>
    </message>
    <message>
        <source>税計算キーのグラデ色</source>
        <translation>Tax key shade</translation>
    </message>
    <message>
        <source>各種キーの枠線色</source>
        <translation>Key borders</translation>
    </message>
    <message>
        <source>ラベルの文字色</source>
        <translation>Label text</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>ダーク</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>ハイコントラスト</source>
        <translation>High contrast</translation>
    </message>
    <message>
        <source>%2.%3%</source>
        <translation>%1.%3%</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>税込</source>
        <translation>TAX+</translation>
    </message>
    <message>
        <source>税抜</source>
        <translation>TAX−</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>RATE</translation>
    </message>
    <message>
        <source>税合計</source>
        <translation>TAX Σ</translation>
    </message>
    <message>
        <source>原価</source>
        <translation>COST</translation>
    </message>
    <message>
        <source>売価</source>
        <translation>SELL</translation>
    </message>
    <message>
        <source>利益率</source>
        <translation>MARGIN</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>AVG</translation>
    </message>
    <message>
        <source>時分秒</source>
        <translation>H:M:S</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>DATE</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>メニュー</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>メモリー	(&amp;1)</source>
        <translation>Memory	(&amp;1)</translation>
    </message>
    <message>
        <source>プラス	(&amp;1)</source>
        <translation>Add (M+)	(&amp;1)</translation>
    </message>
    <message>
        <source>マイナス	(&amp;2)</source>
        <translation>Subtract (M−)	(&amp;2)</translation>
    </message>
    <message>
        <source>リコール	(&amp;3)</source>
        <translation>Recall (MR)	(&amp;3)</translation>
    </message>
    <message>
        <source>クリア	(&amp;4)</source>
        <translation>Clear (MC)	(&amp;4)</translation>
    </message>
    <message>
        <source>ラストアンサー取得	(&amp;2)</source>
        <translation>Last Answer	(&amp;2)</translation>
    </message>
    <message>
        <source>パーセント	(&amp;3)</source>
        <translation>Percent	(&amp;3)</translation>
    </message>
    <message>
        <source>べき乗	(&amp;4)</source>
        <translation>Power	(&amp;4)</translation>
    </message>
    <message>
        <source>２乗	(&amp;2)</source>
        <translation>Square	(&amp;2)</translation>
    </message>
    <message>
        <source>３乗	(&amp;3)</source>
        <translation>Cube	(&amp;3)</translation>
    </message>
    <message>
        <source>平方根	(&amp;5)</source>
        <translation>Square Root	(&amp;5)</translation>
    </message>
    <message>
        <source>税計算	(&amp;6)</source>
        <translation>Tax	(&amp;6)</translation>
    </message>
    <message>
        <source>税込	(&amp;1)</source>
        <translation>TAX+ (add tax)	(&amp;1)</translation>
    </message>
    <message>
        <source>税抜	(&amp;2)</source>
        <translation>TAX− (take tax off)	(&amp;2)</translation>
    </message>
    <message>
        <source>税率切替	(&amp;3)</source>
        <translation>Switch Rate	(&amp;3)</translation>
    </message>
    <message>
        <source>税合計	(&amp;4)</source>
        <translation>Tax Totals	(&amp;4)</translation>
    </message>
    <message>
        <source>卓上機能	(&amp;7)</source>
        <translation>Desk Functions	(&amp;7)</translation>
    </message>
    <message>
        <source>グランドトータル	(&amp;1)</source>
        <translation>Grand Total (GT)	(&amp;1)</translation>
    </message>
    <message>
        <source>テープ	(&amp;2)</source>
        <translation>Tape	(&amp;2)</translation>
    </message>
    <message>
        <source>表示	(&amp;1)</source>
        <translation>Show	(&amp;1)</translation>
    </message>
    <message>
        <source>名前を付けて保存…	(&amp;2)</source>
        <translation>Save As…	(&amp;2)</translation>
    </message>
    <message>
        <source>開く…	(&amp;3)</source>
        <translation>Open…	(&amp;3)</translation>
    </message>
    <message>
        <source>新しいテープ	(&amp;4)</source>
        <translation>New Tape	(&amp;4)</translation>
    </message>
    <message>
        <source>検索…	(&amp;5)</source>
        <translation>Find…	(&amp;5)</translation>
    </message>
    <message>
        <source>エクスポート…	(&amp;6)</source>
        <translation>Export…	(&amp;6)</translation>
    </message>
    <message>
        <source>印刷…	(&amp;7)</source>
        <translation>Print…	(&amp;7)</translation>
    </message>
    <message>
        <source>テープ消去	(&amp;8)</source>
        <translation>Clear Tape	(&amp;8)</translation>
    </message>
    <message>
        <source>検算	(&amp;3)</source>
        <translation>Check	(&amp;3)</translation>
    </message>
    <message>
        <source>原価・売価・利益率	(&amp;4)</source>
        <translation>Cost, Sell, Margin	(&amp;4)</translation>
    </message>
    <message>
        <source>原価	(&amp;1)</source>
        <translation>Cost	(&amp;1)</translation>
    </message>
    <message>
        <source>売価	(&amp;2)</source>
        <translation>Sell	(&amp;2)</translation>
    </message>
    <message>
        <source>利益率	(&amp;3)</source>
        <translation>Margin	(&amp;3)</translation>
    </message>
    <message>
        <source>平均	(&amp;5)</source>
        <translation>Average	(&amp;5)</translation>
    </message>
    <message>
        <source>非加算	(&amp;6)</source>
        <translation>Non-Add	(&amp;6)</translation>
    </message>
    <message>
        <source>時分秒	(&amp;7)</source>
        <translation>Hours:Minutes:Seconds	(&amp;7)</translation>
    </message>
    <message>
        <source>日数計算	(&amp;9)</source>
        <translation>Days	(&amp;9)</translation>
    </message>
    <message>
        <source>日付	(&amp;1)</source>
        <translation>Date	(&amp;1)</translation>
    </message>
    <message>
        <source>〜	(&amp;2)</source>
        <translation>Days to date (~)	(&amp;2)</translation>
    </message>
    <message>
        <source>常に手前に表示	(&amp;8)</source>
        <translation>Always on Top	(&amp;8)</translation>
    </message>
    <message>
        <source>クリップボードへコピー	(&amp;8)</source>
        <translation>Copy to Clipboard	(&amp;8)</translation>
    </message>
    <message>
        <source>バージョン情報	(&amp;9)</source>
        <translation>About	(&amp;9)</translation>
    </message>
    <message>
        <source>終了	(&amp;0)</source>
        <translation>Exit	(&amp;0)</translation>
    </message>
    <message>
        <source>クリアメニュー</source>
        <translation>Clear Menu</translation>
    </message>
    <message>
        <source>クリア	(&amp;1)</source>
        <translation>Clear	(&amp;1)</translation>
    </message>
    <message>
        <source>オールクリア	(&amp;2)</source>
        <translation>All Clear	(&amp;2)</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>数値のみコピー</source>
        <translation>Copy Number Only</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>More</translation>
    </message>
    <message>
        <source>削除	(&amp;1)</source>
        <translation>Delete	(&amp;1)</translation>
    </message>
    <message>
        <source>元に戻す	(&amp;2)</source>
        <translation>Undo	(&amp;2)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>スイッチ	(&amp;S)</source>
        <translation>Switches	(&amp;S)</translation>
    </message>
    <message>
        <source>丸め (F・CUT・UP・5/4)	(&amp;1)</source>
        <translation>Rounding (F, CUT, UP, 5/4)	(&amp;1)</translation>
    </message>
    <message>
        <source>小数点 (0〜4・ADD2)	(&amp;2)</source>
        <translation>Decimal places (0–4, ADD2)	(&amp;2)</translation>
    </message>
    <message>
        <source>GT	(&amp;3)</source>
        <translation>GT	(&amp;3)</translation>
    </message>
    <message>
        <source>件数	(&amp;5)</source>
        <translation>Item count	(&amp;5)</translation>
    </message>
    <message>
        <source>定数	(&amp;6)</source>
        <translation>Constant	(&amp;6)</translation>
    </message>
    <message>
        <source>日数 (片落・両端入・両端落)	(&amp;7)</source>
        <translation>Day count (end day, both days, neither)	(&amp;7)</translation>
    </message>
    <message>
        <source>表示中の数を税率に	(&amp;8)</source>
        <translation>Number shown as the tax rate	(&amp;8)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>貼り付けられません。クリップボードの内容が数値ではありません。</source>
        <translation>Cannot paste: the clipboard does not hold a number.</translation>
    </message>
    <message>
        <source>Abacorのテープ</source>
        <translation>Abacor Tape</translation>
    </message>
    <message>
        <source>テープを消去しますか？</source>
        <translation>Clear the tape?</translation>
    </message>
    <message>
        <source>エクスポートできませんでした。</source>
        <translation>Could not export.</translation>
    </message>
    <message>
        <source>保存せずに終了しますか？</source>
        <translation>Exit without saving?</translation>
    </message>
    <message>
        <source>設定を保存しました。</source>
        <translation>Settings saved.</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。</source>
        <translation>Could not save the settings.</translation>
    </message>
    <message>
        <source>設定ファイルが読み取り専用のため、設定を保存できませんでした。</source>
        <translation>Could not save the settings: the settings file is read-only.</translation>
    </message>
    <message>
        <source>設定ファイルの所有者を保てないため、設定を保存できませんでした。</source>
        <translation>Could not save the settings: the settings file&apos;s owner cannot be kept.</translation>
    </message>
    <message>
        <source>設定を削除しますか？</source>
        <translation>Delete the settings?</translation>
    </message>
    <message>
        <source>設定を削除しました。</source>
        <translation>Settings deleted.</translation>
    </message>
    <message>
        <source>設定を削除できませんでした。</source>
        <translation>Could not delete the settings.</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>この行には注記を書けません。</source>
        <translation>This line cannot take a note.</translation>
    </message>
    <message>
        <source>注記に壊れた文字があります。</source>
        <translation>The note has broken characters.</translation>
    </message>
    <message>
        <source>注記に改行や制御文字は使えません。</source>
        <translation>A note cannot hold line breaks or control characters.</translation>
    </message>
    <message>
        <source>注記は%1文字までです（%2文字あります）。</source>
        <translation>A note holds at most %1 characters (this one has %2).</translation>
    </message>
    <message>
        <source>注記がUTF-8の文字ではありません。</source>
        <translation>The note is not UTF-8 text.</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>テープの印刷</source>
        <translation>Print the Tape</translation>
    </message>
    <message>
        <source>プリンターを使えません。</source>
        <translation>The printer cannot be used.</translation>
    </message>
    <message>
        <source>%1 に書き込めません。</source>
        <translation>Cannot write to %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>テープのファイルを消去できませんでした。</source>
        <translation>Could not erase the tape&apos;s file.</translation>
    </message>
    <message>
        <source>訂正</source>
        <translation>Correction</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>原価・売価・利益率のうち二つが入っていません。</source>
        <translation>Enter two of COST, SELL and MARGIN first.</translation>
    </message>
    <message>
        <source>件数がありません。</source>
        <translation>Nothing counted yet.</translation>
    </message>
    <message>
        <source>日付にする数字が入っていません。</source>
        <translation>No digits to make a date of.</translation>
    </message>
    <message>
        <source>GTはオフです。Alt+G でオンにします。</source>
        <translation>GT is off. Alt+G turns it on.</translation>
    </message>
    <message>
        <source>税合計はオフです。Alt+X でオンにします。</source>
        <translation>Per-rate tax totals are off. Alt+X turns them on.</translation>
    </message>
    <message>
        <source>税合計に入った金額がありません。</source>
        <translation>No taxed amount in the totals yet.</translation>
    </message>
    <message>
        <source>件数はオフです。Alt+I でオンにします。</source>
        <translation>The item count is off. Alt+I turns it on.</translation>
    </message>
    <message>
        <source>税率にできる数ではありません（0〜20%、小数点以下2桁まで）。</source>
        <translation>Not a tax rate (0 to 20 %, at most two decimal places).</translation>
    </message>
    <message>
        <source>桁数オーバー</source>
        <translation>too many digits</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1月%2日</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%2/%3/%1</translation>
    </message>
    <message>
        <source>メモリー %1</source>
        <translation>memory %1</translation>
    </message>
    <message>
        <source>GT クリア</source>
        <translation>GT cleared</translation>
    </message>
    <message numerus="yes">
        <source>%n件</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message>
        <source>税計</source>
        <translation>tax total</translation>
    </message>
    <message>
        <source>〜</source>
        <translation>to</translation>
    </message>
    <message>
        <source>縦(左上)：</source>
        <translation>Portrait, upper left key:</translation>
    </message>
    <message>
        <source>縦(右下)：</source>
        <translation>Portrait, lower right key:</translation>
    </message>
    <message>
        <source>縦(右上)：</source>
        <translation>Portrait, upper right key:</translation>
    </message>
    <message>
        <source>横：</source>
        <translation>Landscape key:</translation>
    </message>
    <message>
        <source>NG%1</source>
        <translation>differs at step %1</translation>
    </message>
    <message>
        <source>マイナス%1%2%3</source>
        <translation>minus %1 %2 %3</translation>
    </message>
    <message>
        <source>%1%2%3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message numerus="yes">
        <source>%n時間</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n分</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n秒</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Switch</name>
    <message>
        <source>税計</source>
        <translation>TAX Σ</translation>
    </message>
    <message>
        <source>件</source>
        <translation>ITEMS</translation>
    </message>
    <message>
        <source>±件</source>
        <translation>±ITEMS</translation>
    </message>
    <message>
        <source>K自動</source>
        <translation>K AUTO</translation>
    </message>
    <message>
        <source>両端入</source>
        <translation>BOTH DAYS</translation>
    </message>
    <message>
        <source>両端落</source>
        <translation>NEITHER DAY</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>税込</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>税抜</source>
        <translation>NET</translation>
    </message>
    <message>
        <source>原価</source>
        <translation>COST</translation>
    </message>
    <message>
        <source>売価</source>
        <translation>SELL</translation>
    </message>
    <message>
        <source>利益率</source>
        <translation>MARGIN</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>AVG</translation>
    </message>
    <message>
        <source>〜</source>
        <translation>~</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>RATE</translation>
    </message>
    <message>
        <source>――――</source>
        <translation>――――</translation>
    </message>
    <message>
        <source>検算</source>
        <translation>CHECK</translation>
    </message>
    <message>
        <source>再計算</source>
        <translation>RECALCULATED</translation>
    </message>
    <message>
        <source>結果が異なります:</source>
        <translation>Results differ:</translation>
    </message>
    <message>
        <source>時分秒</source>
        <translation>H:M:S</translation>
    </message>
    <message>
        <source>オフ</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>オン</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>丸め</source>
        <translation>ROUND</translation>
    </message>
    <message>
        <source>小数点</source>
        <translation>PLACES</translation>
    </message>
    <message>
        <source>GT</source>
        <translation>GT</translation>
    </message>
    <message>
        <source>税合計</source>
        <translation>TAX Σ</translation>
    </message>
    <message>
        <source>件数</source>
        <translation>ITEMS</translation>
    </message>
    <message>
        <source>±</source>
        <translation>±</translation>
    </message>
    <message>
        <source>定数</source>
        <translation>CONST</translation>
    </message>
    <message>
        <source>2度押し</source>
        <translation>TWICE</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>日数</source>
        <translation>DAYS</translation>
    </message>
    <message>
        <source>片落</source>
        <translation>ONE-END</translation>
    </message>
    <message>
        <source>両端入</source>
        <translation>BOTH-ENDS</translation>
    </message>
    <message>
        <source>両端落</source>
        <translation>NEITHER-END</translation>
    </message>
    <message>
        <source>税率1</source>
        <translation>RATE1</translation>
    </message>
    <message>
        <source>税率2</source>
        <translation>RATE2</translation>
    </message>
    <message>
        <source>テープを残すフォルダーがありません（XDG_STATE_HOME か HOME を確かめてください）。</source>
        <translation>There is no folder to keep the tape in (check XDG_STATE_HOME or HOME).</translation>
    </message>
    <message>
        <source>開くのをやめました:</source>
        <translation>STOPPED:</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>NG</source>
        <translation>DIFF</translation>
    </message>
    <message>
        <source>実行,計算,番号,数値,種別,訂正前,注記,日時</source>
        <translation>Run,Calculation,Step,Number,Mark,Was,Note,Time</translation>
    </message>
    <message>
        <source>(訂正前 %1)</source>
        <translation>(was %1)</translation>
    </message>
</context>
<context>
    <name>TapeFile</name>
    <message>
        <source>行が長すぎます（%1 KiBまで）</source>
        <translation>A line is too long (%1 KiB at most)</translation>
    </message>
    <message>
        <source>テープの行が多すぎます（%1行まで）</source>
        <translation>Too many tape lines (%1 at most)</translation>
    </message>
    <message>
        <source>CSVの形ではありません（引用符か改行の位置）</source>
        <translation>Not valid CSV (a quote or a line break out of place)</translation>
    </message>
    <message>
        <source>ファイルが途中で切れています</source>
        <translation>The file is cut short</translation>
    </message>
    <message>
        <source>2行目に設定がありません</source>
        <translation>Line 2 has no settings</translation>
    </message>
    <message>
        <source>設定の値が範囲外です: %1</source>
        <translation>Setting out of range: %1</translation>
    </message>
    <message>
        <source>知らない設定です: %1</source>
        <translation>Unknown setting: %1</translation>
    </message>
    <message>
        <source>列の数が見出しと違います</source>
        <translation>The number of columns differs from the header</translation>
    </message>
    <message>
        <source>番号が正しくありません</source>
        <translation>Invalid step number</translation>
    </message>
    <message>
        <source>数値ではありません: %1</source>
        <translation>Not a number: %1</translation>
    </message>
    <message>
        <source>種別が正しくありません</source>
        <translation>Invalid mark</translation>
    </message>
    <message>
        <source>番号のある行に数値がありません</source>
        <translation>A numbered line has no number</translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>UTF-8の文字ではないバイトがあります</source>
        <translation>Bytes that are not UTF-8 text</translation>
    </message>
    <message>
        <source>開くのをやめました</source>
        <translation>Opening was cancelled</translation>
    </message>
    <message>
        <source>この版のAbacorでは読めない形式です（%1版）</source>
        <translation>A format this version of Abacor cannot read (version %1)</translation>
    </message>
    <message>
        <source>Abacorのテープではありません</source>
        <translation>Not an Abacor tape</translation>
    </message>
    <message>
        <source>ファイルがありません</source>
        <translation>No such file</translation>
    </message>
    <message>
        <source>普通のファイルではありません</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 MiBまで）</source>
        <translation>The file is too big (%1 MiB at most)</translation>
    </message>
    <message>
        <source>ファイルを読めません</source>
        <translation>The file cannot be read</translation>
    </message>
</context>
<context>
    <name>TapeKeeping</name>
    <message>
        <source>テープを終了後も残さない設定です。テープはこの実行の間だけ残ります。</source>
        <translation>The tape is set not to be kept after exit: it is kept only while Abacor runs.</translation>
    </message>
    <message>
        <source>ほかのプログラムが使っています</source>
        <translation>another program is using it</translation>
    </message>
    <message>
        <source>ディスクがいっぱいです</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>writing is not permitted</translation>
    </message>
    <message>
        <source>ファイルを開けません</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>ファイルを読み書きできません</source>
        <translation>the file cannot be read or written</translation>
    </message>
    <message>
        <source>ファイルが壊れています</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>Abacorのテープの形ではありません</source>
        <translation>it is not an Abacor tape</translation>
    </message>
    <message>
        <source>テープのファイル（%1）はほかのプログラムが使っています。テープはこの実行の間だけ残ります。あとでもう一度開きます。</source>
        <translation>Another program is using the tape file (%1). The tape is kept only while Abacor runs; the file will be tried again later.</translation>
    </message>
    <message>
        <source>テープのファイル（%1）は読み取り専用です：これまでのテープは見られますが、テープはこの実行の間だけ残ります。</source>
        <translation>The tape file (%1) is read-only: the earlier tape can be seen, but the tape is kept only while Abacor runs.</translation>
    </message>
    <message>
        <source>テープのファイル（%1）を開けません：%2。テープはこの実行の間だけ残ります。</source>
        <translation>Cannot open the tape file (%1): %2. The tape is kept only while Abacor runs.</translation>
    </message>
    <message>
        <source>テープのファイルが壊れていて、別名にできません（%1）。テープはこの実行の間だけ残ります。</source>
        <translation>The tape file is damaged and cannot be renamed (%1). The tape is kept only while Abacor runs.</translation>
    </message>
    <message>
        <source>テープのファイルが壊れていたため %1 として残し、新しいテープを始めました。</source>
        <translation>The tape file was damaged: it is kept as %1 and a new tape was started.</translation>
    </message>
    <message>
        <source>テープを残せていません：%1。</source>
        <translation>The tape is not being kept: %1.</translation>
    </message>
</context>
<context>
    <name>TapePrinter</name>
    <message>
        <source>印刷の部品（%1）が見つかりません。</source>
        <translation>The printing part (%1) is missing.</translation>
    </message>
    <message>
        <source>Abacor テープ </source>
        <translation>Abacor tape </translation>
    </message>
</context>
<context>
    <name>abacor::CalculatorWindow</name>
    <message>
        <source>常に手前に表示 オン</source>
        <translation>Always on top on</translation>
    </message>
    <message>
        <source>常に手前に表示 オフ</source>
        <translation>Always on top off</translation>
    </message>
    <message>
        <source>スイッチを設定に保存できませんでした。次の起動では元の位置に戻ります。</source>
        <translation>The switch could not be saved to the settings; at the next start it is back where it was.</translation>
    </message>
    <message>
        <source>%1 非加算</source>
        <translation>%1 non-add</translation>
    </message>
    <message>
        <source>コピーしました</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>Abacor  Version %1</source>
        <translation>Abacor version %1: the desk calculator with a tape</translation>
    </message>
</context>
<context>
    <name>abacor::ColoursPage</name>
    <message>
        <source>選んでください</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>プリセット「%1」の色にしました。メニューの「元に戻す」で前の色に戻せます。</source>
        <translation>Colours set to the preset &quot;%1&quot;. Undo in the menu brings back the colours before.</translation>
    </message>
    <message>
        <source>キーや背景をタップすると、その部分の色の項目を一覧から順に選びます。</source>
        <translation>Tap a key or the background to choose its colour items from the list in turn.</translation>
    </message>
</context>
<context>
    <name>abacor::SamplePage</name>
    <message>
        <source>見本</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>電卓の見た目の見本です。</source>
        <translation>A sample of how the calculator looks.</translation>
    </message>
</context>
<context>
    <name>abacor::SettingsSheet</name>
    <message>
        <source>元に戻しました。</source>
        <translation>Undone.</translation>
    </message>
</context>
<context>
    <name>abacor::SoftKeyBar</name>
    <message>
        <source>ソフトキー</source>
        <translation>Soft keys</translation>
    </message>
</context>
<context>
    <name>abacor::TapeDock</name>
    <message>
        <source>テープをまた残しています。</source>
        <translation>The tape is kept again.</translation>
    </message>
</context>
<context>
    <name>abacor::TapeModel</name>
    <message>
        <source>注記を書く行を選んでください。</source>
        <translation>Choose the line to write a note on.</translation>
    </message>
    <message>
        <source>訂正できません。数値は12桁まで、「-」と「.」はひとつまでです。</source>
        <translation>Cannot correct: a number has up to 12 digits and one &quot;-&quot; and &quot;.&quot; at most.</translation>
    </message>
    <message>
        <source>訂正できません。その番号の行はありません。</source>
        <translation>Cannot correct: there is no line with that number.</translation>
    </message>
    <message>
        <source>訂正できません。数値ではありません。</source>
        <translation>Cannot correct: that is not a number.</translation>
    </message>
</context>
<context>
    <name>abacor::TapeWindow</name>
    <message>
        <source>テープの行</source>
        <translation>Tape lines</translation>
    </message>
    <message>
        <source>エクスポート…(&amp;E)</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>印刷…(&amp;P)</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>テープ消去(&amp;D)</source>
        <translation>&amp;Clear Tape</translation>
    </message>
    <message>
        <source>保存…(&amp;S)</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>開く…(&amp;O)</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>新規(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>注記…(&amp;M)</source>
        <translation>No&amp;te…</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>テープの検索</source>
        <translation>Find in the tape</translation>
    </message>
    <message>
        <source>現在の計算</source>
        <translation>Current calculation</translation>
    </message>
    <message>
        <source>選んだ行</source>
        <translation>Selected lines</translation>
    </message>
    <message>
        <source>テープ全体</source>
        <translation>Whole tape</translation>
    </message>
    <message>
        <source>保存する行</source>
        <translation>Lines to save</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>テープ</source>
        <translation>Tape</translation>
    </message>
    <message>
        <source>Abacorのテープ (*%1)</source>
        <translation>Abacor tape (*%1)</translation>
    </message>
    <message>
        <source>保存できませんでした。</source>
        <translation>Could not save.</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Abacorのテープ (*%1 *.csv)</source>
        <translation>Abacor tape (*%1 *.csv)</translation>
    </message>
    <message>
        <source>開けませんでした。</source>
        <translation>Could not open.</translation>
    </message>
    <message>
        <source>計算し直した結果がファイルと異なります。テープの最後の行に、ファイルの行番号があります。</source>
        <translation>The recalculated result differs from the file. The tape&apos;s last line gives the file&apos;s line number.</translation>
    </message>
    <message>
        <source>注記</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>この行の注記（%1文字まで）:</source>
        <translation>Note for this line (up to %1 characters):</translation>
    </message>
    <message>
        <source>テープのファイルはまだ消去できていません。消去できるまで試し続けます。</source>
        <translation>The tape&apos;s file is not erased yet. Abacor keeps trying until it is.</translation>
    </message>
    <message>
        <source>テープのファイルを消去しました。</source>
        <translation>The tape&apos;s file is erased.</translation>
    </message>
    <message>
        <source>エクスポート</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>印刷できませんでした。</source>
        <translation>Could not print.</translation>
    </message>
    <message>
        <source>プリンターが設定されていません。PDF ファイルに保存しますか？</source>
        <translation>No printer is set up. Save the tape as a PDF file?</translation>
    </message>
    <message>
        <source>PDF に保存</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>テープのファイルを読んでいます…</source>
        <translation>Reading the tape file…</translation>
    </message>
    <message>
        <source>やめる</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>計算し直しています…</source>
        <translation>Calculating again…</translation>
    </message>
    <message>
        <source>テープのファイルを開いています</source>
        <translation>Opening the tape file</translation>
    </message>
    <message>
        <source>ほかのAbacorがテープを消去しました。それより前の行はもうありません。</source>
        <translation>Another Abacor cleared the tape. The lines before that are gone.</translation>
    </message>
    <message>
        <source>見つかりません</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>保存する行(&amp;L):</source>
        <translation>&amp;Lines to save:</translation>
    </message>
    <message>
        <source>CSV、表計算ソフト用 (*.csv)</source>
        <translation>CSV in English, for spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>CSV、Abacorでまた開けるもの (*.csv)</source>
        <translation>CSV that Abacor can open again (*.csv)</translation>
    </message>
</context>
</TS>
