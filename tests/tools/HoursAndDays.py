#!/usr/bin/env python3
"""Day counts, dates moved by days and times converted to hours and back,
through abacor-calc, against Python's datetime on random values."""
import datetime
import random
import subprocess
import sys

calc = sys.argv[1]
rng = random.Random(20261208)
first, last = datetime.date(1901, 1, 1).toordinal(), datetime.date(2099, 12, 31).toordinal()


def keys(text):
    return " ".join(text)


def date_keys(d):
    return f"{keys(str(d.year))} date {keys(str(d.month))} date {keys(str(d.day))}"


cases = []  # (tokens ending in "=", the display expected), each after C
for mode, extra in ((0, 0), (1, 1), (2, -1)):
    for _ in range(1000 if mode == 0 else 100):
        a, b = (datetime.date.fromordinal(rng.randint(first, last)) for _ in range(2))
        days = (b - a).days
        if days != 0 or mode != 2:
            days += extra if days >= 0 else -extra
        cases.append((f"set:DayCountMode={mode} {date_keys(a)} to {date_keys(b)} =", str(days)))
for _ in range(300):
    a = datetime.date.fromordinal(rng.randint(first, last))
    n = rng.randint(-73000, 73000)  # any span between two supported dates
    if not first <= a.toordinal() + n <= last:
        continue
    later = a + datetime.timedelta(days=n)
    op, size = ("+", n) if n >= 0 else ("-", -n)
    cases.append((f"{date_keys(a)} {op} {keys(str(size))} =", later.strftime("%Y.%m.%d")))
    # (date + n) − date = n
    cases.append((f"{date_keys(later)} - {date_keys(a)} =", str(n)))
for _ in range(300):
    seconds = rng.randint(0, 9999999 * 3600 + 3599)
    h, rest = divmod(seconds, 3600)
    m, s = divmod(rest, 60)
    shown = f"{h}:{m:02}:{s:02}"
    # To its hours and back: the same whole seconds.
    cases.append((f"{keys(str(h))} hms {keys(str(m))} hms {keys(str(s))} hms hms hms", shown))

# The display ungrouped, as datetime prints its numbers.
tokens = ["set:CommaFormatFlg=0"]
ends = []
for line, expected in cases:
    tokens += ["C"] + line.split()
    ends.append((len(tokens) - 1, line, expected))
out = subprocess.run([calc], input=" ".join(tokens), capture_output=True, text=True, timeout=300)
if out.returncode != 0:
    sys.exit(f"FAIL: status {out.returncode}: {out.stderr}")
shown = [row.split("\t")[1] for row in out.stdout.splitlines()]
faults = [f"{line}: {shown[at]}, not {expected}" for at, line, expected in ends if shown[at] != expected]
for fault in faults[:20]:
    print("FAIL:", fault)
if faults:
    sys.exit(f"FAIL: {len(faults)} of {len(ends)}")
print(f"PASS: {len(ends)} day counts, dates and times agree with datetime")
