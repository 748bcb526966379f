#!/usr/bin/env python3
"""The key map Abacor --keys prints is the one README and Abacor(1) give."""
import collections
import pathlib
import subprocess
import sys

abacor, root = sys.argv[1], pathlib.Path(sys.argv[2])
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
for fault in faults:
    print("FAIL:", fault)
sys.exit(1 if faults else 0)
