#!/usr/bin/env python3
"""Runs the rows of office-cases.txt through abacor-calc -a --tape and checks
the display, annunciators and refusal after each marked token, and the row's tape;
then saves each row's calculation and opens it again, which must key it to
the same results."""
import pathlib
import re
import subprocess
import sys
import tempfile

calc, table = sys.argv[1], pathlib.Path(sys.argv[2])
check = re.compile(r"\[([^\]]*)\]|\{([^}]*)\}|<([^>]*)>|!([a-z-]+)|(\S+)")
faults = []
# The rows before "defaults: office" are the phone's worked cases: every desk
# switch off, the display ungrouped; after it, a fresh profile's defaults.
PHONE = ("set:CommaFormatFlg=0 set:GrandTotalFlg=0 set:DeskTaxFlg=0 set:TaxSumFlg=0 set:ConstantMode=0 "
         "set:ItemCountFlg=0 set:DecimalSelector=2")
base = PHONE
prefix = ""
for number, line in enumerate(table.read_text(encoding="utf-8").splitlines(), 1):
    line = line.strip()
    if not line or line.startswith("#"):
        continue
    if line.startswith("defaults:"):
        base = "" if line.split(":", 1)[1].strip() == "office" else PHONE
        prefix = ""
        continue
    if line.startswith("use:"):
        prefix = line[4:].strip()
        continue
    tokens, expected, tape = (base + " " + prefix).split(), [], []
    for match in check.finditer(line):
        display, lit, taped, refused, token = match.groups()
        if token is not None:
            tokens.append(token)
        elif taped is not None:
            tape.append(taped)
        elif refused is not None:
            expected.append((len(tokens), "refusal", "" if refused == "none" else refused))
        else:
            expected.append((len(tokens), "display" if display is not None else "lit",
                             display if display is not None else lit))
    saved = pathlib.Path(tempfile.mkdtemp()) / "row.abacor-tape"
    out = subprocess.run([calc, "-a", "--tape", "--save", str(saved)], input=" ".join(tokens), capture_output=True,
                         text=True, timeout=60)
    if out.returncode != 0:
        faults.append(f"row {number}: status {out.returncode}: {out.stderr.strip()}")
        continue
    rows = [r.split("\t") for r in out.stdout.splitlines() if not r.startswith("TAPE\t")]
    # A tape line as "number mark #step note", the parts it has.
    lines = [" ".join(p for p in (number, mark, step and "#" + step, note) if p)
             for _, step, number, mark, note in (r.split("\t") for r in out.stdout.splitlines()
                                                 if r.startswith("TAPE\t"))]
    if tape and lines != tape:
        faults.append(f"row {number}: the tape is <{'> <'.join(lines)}>, not <{'> <'.join(tape)}>")
    opened = subprocess.run([calc, "--open", str(saved)], capture_output=True, text=True, timeout=60)
    if opened.returncode != 0:
        faults.append(f"row {number}: saved and opened: status {opened.returncode}: {opened.stderr.strip()}")
    saved.unlink(missing_ok=True)
    saved.parent.rmdir()
    for after, what, text in expected:
        fields = rows[after - 1]
        got = {"display": fields[1], "lit": fields[5], "refusal": (fields + [""])[6]}[what]
        if got != text:
            faults.append(f"row {number}: after token {after} ({fields[0]}) the {what} is [{got}], not [{text}]")
for fault in faults:
    print("FAIL:", fault)
sys.exit(1 if faults else 0)
