<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <translation>Days To (~)	(&amp;2)</translation>
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
    <name>abacor::CalculatorWindow</name>
    <message>
        <source>桁数オーバー</source>
        <translation>too many digits</translation>
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
        <source>原価・売価・利益率のうち二つが入っていません。</source>
        <translation>Enter two of COST, SELL and MARGIN first.</translation>
    </message>
    <message>
        <source>常に手前に表示 オン</source>
        <translation>Always on top on</translation>
    </message>
    <message>
        <source>常に手前に表示 オフ</source>
        <translation>Always on top off</translation>
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
</context>
<context>
    <name>abacor::TapeModel</name>
    <message>
        <source>注記を書く行を選んでください。</source>
        <translation>Choose the line to write a note on.</translation>
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
        <source>保存する行:</source>
        <translation>Lines to save:</translation>
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
</context>
</TS>
