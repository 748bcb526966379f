#!/usr/bin/env python3
"""The key map Abacor --keys prints is the one README and Abacor(1) give, and
every token in it is in abacor-calc's help and abacor-calc(1)."""
import collections
import pathlib
import re
import subprocess
import sys

abacor, root, calc = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3]
printed = subprocess.run([abacor, "--keys"], capture_output=True, text=True, timeout=60, check=True).stdout
keys = collections.OrderedDict()
for line in printed.splitlines():
    command, key = line.split("\t")
    keys.setdefault(command, []).append(key)

readme = (root / "README.md").read_text(encoding="utf-8")
manual = (root / "docs" / "man" / "Abacor.1").read_text(encoding="utf-8").replace("\\-", "-").replace("\\&", "")
faults = []
for command, bound in keys.items():
    row = "| `%s` | %s |" % (command, ", ".join("`%s`" % k for k in bound))
    if row not in readme:
        faults.append(f"README.md has no row {row}")
    if "\n%s\t%s\n" % (command, ", ".join(bound)) not in manual:
        faults.append(f"Abacor.1 does not give {command}: {', '.join(bound)}")
# The tokens each document lists: the help's first column, the manual's .B lines.
calc_help = subprocess.run([calc, "--help"], capture_output=True, text=True, timeout=60, check=True).stdout
listed = calc_help.split("tokens:\n")[1].split("\noptions:")[0]
# The first 24 columns, or a whole line of tokens that runs past them.
in_help = {word for line in listed.splitlines() for word in (line[:24] if not line[21:24].strip() else line).split()}
calc_manual = (root / "docs" / "man" / "abacor-calc.1").read_text(encoding="utf-8").replace("\\-", "-")
in_manual = {word.strip('"') for line in calc_manual.splitlines() if re.match(r"\.BR? ", line)
             for word in line.split()[1:]}
for command in keys:
    if command.isdigit():
        continue
    if command not in in_help:
        faults.append(f"abacor-calc --help does not list the token {command}")
    if command not in in_manual:
        faults.append(f"abacor-calc.1 does not list the token {command}")
for fault in faults:
    print("FAIL:", fault)
sys.exit(1 if faults else 0)
