#!/usr/bin/env python3
"""Every Japanese text of the programs reaches the user through the
translation tables: each literal with Japanese in it is inside a mark a
translator sees (ABACOR_TRANSLATABLE, ABACOR_SAY, tr, translate,
QT_TRANSLATE_NOOP), or is one of the few data texts listed here with why."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
FOLDERS = ("calculator", "editor", "platform", "look", "settings", "text", "tools")

# file, a piece of the literal, and why it is no message.
DATA = [
    ("calculator/core/Calculator.cpp", "税", "the rate's annunciator, read back and said in the user's words"),
    ("calculator/core/Calculator.cpp", "件", "the count's annunciator, read back and said in the user's words"),
    ("calculator/display/AnnunciatorWords.cpp", "税計", "an annunciator recognised, to be said"),
    ("calculator/display/SpokenChange.cpp", "時間", "an annunciator recognised, to be said"),
    ("calculator/display/SpokenChange.cpp", "日付", "an annunciator recognised, to be said"),
    ("calculator/tape/TapeFile.cpp", "設定", "the tape file's settings line: what every file written so far reads"),
    ("calculator/tape/TapeSession.cpp", "件", "a tape mark's count as the file keeps it; shown translated"),
    ("calculator/tape/TapeSession.cpp", "訂正前", "the file's word for a corrected number; shown translated"),
    ("platform/shell/ApplicationSetup.cpp", "画面", "said before any translator can be loaded"),
    ("platform/shell/ApplicationSetup.cpp", "WAYLAND_DISPLAY を", "said before any translator can be loaded"),
    ("editor/RunSettingsEditor.cpp", "保存", "a button's own name in the usage, beside its English"),
    ("tools/abacor-calc/main.cpp", "", "the key tokens' Japanese names beside their English, in the usage"),
]

JAPANESE = re.compile(r"[\u3040-\u30ff\u4e00-\u9fff]")
LITERAL = re.compile(r'(?:u8|u|U|L)?"(?:[^"\\\n]|\\.)*"')
MARKED = re.compile(
    r'(?:\b(?:ABACOR_TRANSLATABLE|ABACOR_SAY|QT_TRANSLATE_N?_NOOP3?|translate)\(\s*"[^"]*"\s*,\s*'
    r'|\b(?:tr|QT_TR_N?_NOOP)\(\s*)(?:(?:u8|u)?"(?:[^"\\\n]|\\.)*"\s*)*$')
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'', re.S)


def without_comments(text):
    def blank(match):
        token = match.group()
        return re.sub(r"[^\n]", " ", token) if token.startswith("/") else token
    return TOKEN.sub(blank, text)


faults = []
seen = set()
for folder in FOLDERS:
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        name = path.relative_to(root).as_posix()
        text = without_comments(path.read_text(encoding="utf-8"))
        for literal in LITERAL.finditer(text):
            if not JAPANESE.search(literal.group()) or MARKED.search(text[max(0, literal.start() - 400):literal.start()]):
                continue
            data = [d for d in DATA if d[0] == name and d[1] in literal.group()]
            if data:
                seen.update(data)
                continue
            line = text.count("\n", 0, literal.start()) + 1
            faults.append(f"{name}:{line}: {literal.group()} is shown untranslated (mark it, or say why it is data)")
for entry in DATA:
    if entry not in seen:
        faults.append(f"{entry[0]}: no data text {entry[1]!r} any more; take it off the list")
for fault in faults:
    print("FAIL:", fault)
if not faults:
    print("PASS: every Japanese text is a translator's, or data listed with why")
sys.exit(1 if faults else 0)
