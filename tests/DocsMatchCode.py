#!/usr/bin/env python3
"""The documents say what the code does: the number of settings they give is
the settings table's, and every name of the code they give in backticks
(a class, a function, a constant) is in the sources; Abacor(1) lists every
mark of the tape's line table."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
docs = [root / "README.md", root / "docs" / "DESIGN.md", *sorted((root / "docs" / "man").glob("*.[15]"))]
sources = "\n".join(p.read_text(encoding="utf-8", errors="replace")
                    for pattern in ("**/*.h", "**/*.cpp", "**/*.cmake", "**/CMakeLists.txt", "**/*.sh", "**/*.py")
                    for p in root.glob(pattern) if not p.relative_to(root).parts[0].startswith("build"))
faults = []

settings = len(re.findall(r'^\s*\{"\w+", &CalculatorSettings::', (root / "settings" / "CalculatorSettings.h")
                          .read_text(encoding="utf-8"), re.M))
if settings == 0:
    faults.append("no settings found in settings/CalculatorSettings.h")

# Names as the code writes them: CamelCase words, k-constants, Class::Member.
code_name = re.compile(r"^(?:[A-Z][a-z0-9]+[A-Z]\w*|k[A-Z]\w+|\w+::\w+)(?:\(\))?$")
words = set(re.findall(r"\w+", sources))

for doc in docs:
    text = doc.read_text(encoding="utf-8")
    for count in re.findall(r"\b(\d+)[- ]values?\b", text):
        if int(count) != settings:
            faults.append(f"{doc.name}: says {count} values, the settings table has {settings}")
    glossary = False
    for line in text.splitlines():
        if line.startswith("#"):
            glossary = "Glossary" in line
        if glossary and line.startswith("|"):
            line = "|".join(line.split("|")[:3])  # the older names column is the design's, not the code's
        for name in re.findall(r"`([^`\s]+)`", line):
            if not code_name.match(name):
                continue
            for part in name.removesuffix("()").split("::"):
                if part not in words:
                    faults.append(f"{doc.name}: `{name}` is nowhere in the code")
                    break

# Every mark of the tape's line table, in the man page's TAPE section.
marks = re.findall(r'LineMark\{LineKind::\w+, (?:ABACOR_TRANSLATABLE\("Tape", )?u"([^"]+)"\)?\}',
                   (root / "calculator" / "tape" / "TapeMarks.h").read_text(encoding="utf-8"))
page = (root / "docs" / "man" / "Abacor.1").read_text(encoding="utf-8")
tape = page.partition("\n.SH TAPE\n")[2].partition("\n.SH ")[0]
if len(marks) < 20:
    faults.append("no marks found in calculator/tape/TapeMarks.h")
for mark in marks:
    if f"\n{mark}\t" not in tape:
        faults.append(f"Abacor.1: the TAPE section does not list the mark {mark}")

for fault in faults:
    print("FAIL:", fault)
sys.exit(1 if faults else 0)
