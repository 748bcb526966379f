#!/usr/bin/env python3
"""Tape files through abacor-calc: notes of every script saved and read back
by Python's csv module, a save → open round trip, a hand-edited result
caught, and malformed files refused with their line and reason."""
import csv
import io
import os
import pathlib
import subprocess
import sys
import tempfile
import time

calc = str(pathlib.Path(sys.argv[1]).resolve())
folder = pathlib.Path(tempfile.mkdtemp())
faults = []


def run(*args, cwd=None, language="ja"):
    # The refusals are read in Japanese, as a Japanese desktop gives them.
    env = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    return subprocess.run([calc, *args], capture_output=True, text=True, timeout=60, cwd=cwd,
                          env=dict(env, LANG=f"{language}_{'JP' if language == 'ja' else 'US'}.UTF-8"))


# Notes: Japanese, emoji, right-to-left, a comma and a quote, a formula, 200
# characters; each saved and read back by Python's csv module.
saved = folder / "notes.abacor-tape"
# (No item count: the total's mark is "*" alone.)
tokens = "set:ItemCountFlg=0 set:TaxPercent=800 1 2 0 + 3 4 tax+ 5 6 + 7 =".split()
for note, cell in [("請求書_A-101", "請求書 A-101"), ("交通費_🚃", "交通費 🚃"), ("שלום_עולם", "שלום עולם"),
                   ('a,"b"', 'a,"b"'), ("=SUM(A1)", "'=SUM(A1)"), ("あ" * 200, "あ" * 200)]:
    out = run("--save", str(saved), *tokens, "note:2=x", f"note:1={note}")
    rows = list(csv.reader(io.StringIO(saved.read_bytes().decode("utf-8-sig"), newline="")))
    steps = {row[2]: row for row in rows[3:] if row[2]}
    if out.returncode != 0 or steps["1"][6] != cell or steps["1"][3] != "120" or steps["2"][6] != "x":
        faults.append(f"note {note[:12]}: status {out.returncode}: {out.stderr} {steps}")
if rows[0] != ["abacor-tape", "1"] or rows[1][0] != "設定" or "TaxPercent=800" not in rows[1]:
    faults.append(f"the file's first lines: {rows[:2]}")
if rows[2] != ["実行", "計算", "番号", "数値", "種別", "訂正前", "注記", "日時"]:
    faults.append(f"the columns: {rows[2]}")

# Read with ";" or a tab as the separator (spreadsheets in de, fr, it, es),
# no part of a note starts a cell of its own, a formula least of all.
semicolons = folder / "semicolons.abacor-tape"
out = run("--save", str(semicolons), "1", "+", "2", "=", "note:1=x;=1+1", "note:2=y;@SUM(A1)")
read = semicolons.read_bytes().decode("utf-8-sig")
for separator in ";\t":
    cells = [cell for row in csv.reader(io.StringIO(read, newline=""), delimiter=separator) for cell in row]
    if any(cell.startswith(("=", "@")) for cell in cells) or out.returncode != 0:
        faults.append(f"a note read with {separator!r}: {cells}")
back = run("--tape", "--open", str(semicolons))
if "\tx;=1+1\n" not in back.stdout or "\ty;@SUM(A1)\n" not in back.stdout:
    faults.append(f"notes with a ';' did not come back whole: {back.stdout}")

# A note stays with its line through a correction that changes the lines before it.
out = run("--tape", "1", "/", "0", "=", "C", "5", "+", "6", "=", "note:4=six", "correct:2=2")
if "TAPE\t4\t6\t＝\tsix" not in out.stdout or "TAPE\t\t\tERROR" in out.stdout:
    faults.append(f"a note through a correction: {out.stdout}{out.stderr}")

# Saved through a symbolic link to its target, whose mode stays, as the
# window's save does; a new file as the umask allows.
target = folder / "target.abacor-tape"
target.write_bytes(b"old")
target.chmod(0o640)
link = folder / "link.abacor-tape"
link.symlink_to(target.name)
out = run("--save", str(link), "1", "+", "2", "=")
if (out.returncode != 0 or not link.is_symlink() or b"abacor-tape" not in target.read_bytes()
        or target.stat().st_mode & 0o777 != 0o640):
    faults.append(f"a save through a link: status {out.returncode}, link {link.is_symlink()}, "
                  f"mode {oct(target.stat().st_mode & 0o777)}")
fresh = folder / "fresh.abacor-tape"
mask = os.umask(0o022)
os.umask(mask)
if run("--save", str(fresh), "1").returncode != 0 or fresh.stat().st_mode & 0o777 != 0o666 & ~mask:
    faults.append(f"a new file's mode: {oct(fresh.stat().st_mode & 0o777)}")
link.unlink()

# A corrected step's earlier number ("訂正前") comes back with the file, and
# goes on to the next save.
corrected = folder / "corrected.abacor-tape"
again = folder / "again.abacor-tape"
run("--save", str(corrected), "1", "2", "3", "+", "4", "5", "6", "=", "correct:1=100")
out = run("--open", str(corrected), "--save", str(again))
rows2 = list(csv.reader(io.StringIO(again.read_bytes().decode("utf-8-sig"), newline="")))
if out.returncode != 0 or not any(row[2] == "1" and row[3] == "100" and row[5] == "123" for row in rows2[3:]):
    faults.append(f"訂正前 after a round trip: status {out.returncode}: {rows2[3:]}")

# A bare file name is saved in the working folder, and said to be.
out = run("--save", "bare.abacor-tape", "1", "+", "2", "=", cwd=folder)
if out.returncode != 0 or not (folder / "bare.abacor-tape").is_file():
    faults.append(f"a bare file name: status {out.returncode}: {out.stderr}")

# Refused notes, nothing cut: 201 characters, a control character, no such step.
for token, why in [("note:1=" + "あ" * 201, "200"), ("note:1=a\x01b", "note:"), ("note:9=x", "no step 9")]:
    out = run(*tokens[:8], token)
    if out.returncode != 2 or why not in out.stderr:
        faults.append(f"refused note {token[:12]!r}: status {out.returncode}: {out.stderr}")

# Saved and opened: the same results, the notes back; a hand-edited result is caught.
out = run("--tape", "--open", str(saved))
if out.returncode != 0 or "TAPE\t1\t120\t＋\tあ" not in out.stdout:
    faults.append(f"opened: status {out.returncode}: {out.stdout}{out.stderr}")
text = saved.read_bytes().decode("utf-8-sig")
total = next(row for row in rows[3:] if row[4] == "*")
edited = folder / "edited.abacor-tape"
edited.write_bytes((text.replace(f",{total[3]},*,", f",{int(total[3]) + 1},*,")).encode("utf-8-sig"))
line = 1 + next(i for i, row in enumerate(text.split("\r\n")) if ",*," in row)
out = run("--tape", "--open", str(edited))
if out.returncode != 1 or f"line {line}" not in out.stderr or f"結果が異なります: #{line}" not in out.stdout:
    faults.append(f"a hand-edited result: status {out.returncode}: {out.stdout}{out.stderr}")

# Malformed files: refused with the line and why, status 2.
good = text.encode("utf-8-sig")
lines = good.split(b"\r\n")
cases = [
    ("not a tape", b"hello\r\n", "1行目"),
    ("truncated", good[:-9], "途中で切れて"),
    ("a newer version", good.replace(b"abacor-tape,1", b"abacor-tape,7"), "1行目"),
    ("a setting out of range", good.replace(b"RoundSelector=0", b"RoundSelector=9"), "2行目"),
    ("an unknown setting", good.replace(b"RoundSelector=0", b"Colour=1"), "2行目"),
    ("a starting rate of none", good.replace(b"ActiveRate=1", b"ActiveRate=3"), "2行目"),
    ("a starting memory of none", good.replace(b"ActiveRate=1", b"ActiveRate=1,Memory=1e400"), "2行目"),
    ("invalid UTF-8", b"\r\n".join(lines[:3] + [lines[3].replace(b"120", b"1\xff0")] + lines[4:]), "4行目"),
    ("a number that is none", b"\r\n".join(lines[:3] + [lines[3].replace(b",120,", b",12x,")] + lines[4:]), "4行目"),
    ("a column missing", b"\r\n".join(lines[:5] + [lines[5].rsplit(b",", 1)[0]] + lines[6:]), "6行目"),
    ("a line of 1 MiB", b"\r\n".join(lines[:4] + [b"1" * (1 << 20)] + lines[4:]), "5行目"),
]
# What the calculation began with: the rate always, memory and GT where kept
# (a new tape keeps them); a file of an older Abacor, without them, opens too.
if "ActiveRate=1" not in rows[1]:
    faults.append(f"no starting rate in the file's second line: {rows[1]}")
began = folder / "began.abacor-tape"
out = run("--save", str(began), "5", "M+", "2", "=", "newtape", "rate", "MR", "tax+", "GT")
second = list(csv.reader(io.StringIO(began.read_bytes().decode("utf-8-sig"), newline="")))[1]
if not {"ActiveRate=1", "Memory=5", "GrandTotal=2"} <= set(second):
    faults.append(f"the start of a calculation after a new tape: {second}")
for opened in [run("--open", str(began)), run("--open", str(began), "rate")]:
    if opened.returncode != 0:
        faults.append(f"began with memory and GT, opened: status {opened.returncode}: {opened.stderr.strip()}")
older = folder / "older.abacor-tape"
older.write_bytes(good.replace(b",ActiveRate=1", b""))
if run("--open", str(older)).returncode != 0:
    faults.append("a file without its start did not open")
for name, content, why in cases:
    path = folder / "bad.abacor-tape"
    path.write_bytes(content)
    out = run("--open", str(path))
    if out.returncode != 2 or why not in out.stderr:
        faults.append(f"{name}: status {out.returncode}: {out.stderr.strip()}")
# The same refusal on an English desktop, and under --lang, in English.
path.write_bytes(b"x,y\r\n")
for out in [run("--open", str(path), language="en"), run("--lang", "en", "--open", str(path))]:
    if out.returncode != 2 or "Line 1: Not an Abacor tape" not in out.stderr:
        faults.append(f"not a tape, in English: status {out.returncode}: {out.stderr.strip()}")
# What cannot be read is said, never an abort or a wait: a read error
# (/proc/self/mem fails with EIO), a FIFO, a folder.
fifo = folder / "fifo.abacor-tape"
os.mkfifo(fifo)
for path, why in [("/proc/self/mem", "ファイルを読めません"), (str(fifo), "普通のファイルではありません"),
                  (str(folder), "普通のファイルではありません")]:
    out = run("--open", path)
    if out.returncode != 2 or why not in out.stderr:
        faults.append(f"{path}: status {out.returncode}: {out.stderr.strip()}")
# A file within the tape's own size opens; one line more is refused there,
# the rest never read.
head = b"\r\n".join(lines[:3]) + b"\r\n"
for count, status, why in [(200000, 0, ""), (200001, 2, "200004行目: テープの行が多すぎます（200,000行まで）")]:
    long = folder / "long.abacor-tape"
    long.write_bytes(head + b"".join(b"1,1,%d,1,\xef\xbc\x8b,,,\r\n" % n for n in range(1, count + 1)))
    out = run("--tape", "--open", str(long))
    if out.returncode != status or why not in out.stderr or (status == 0 and "TAPE\t200000\t1\t" not in out.stdout):
        faults.append(f"{count} lines: status {out.returncode}: {out.stderr.strip()[:200]} {out.stdout[-80:]}")
# On a medium that misbehaves (a FUSE file system): a read that fails with
# EIO is said, a file that says 1 KiB but never ends is read no further than
# the limit.
media = folder / "media"
media.mkdir()
mounted = subprocess.Popen(["/usr/bin/python3", str(pathlib.Path(__file__).with_name("faultyfs.py")), str(media)],
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
try:
    for _ in range(300):
        if (media / "eio.abacor-tape").exists() or mounted.poll() is not None:
            break
        time.sleep(0.1)
    if not (media / "eio.abacor-tape").exists():
        faults.append(f"the FUSE file system did not mount (/dev/fuse, python3-fusepy): {mounted.stderr.read()[-300:]}"
                      if mounted.poll() is not None else "the FUSE file system did not mount in 30 s")
    else:
        for name, why in [("eio", "ファイルを読めません"), ("growing", "大きすぎ")]:
            out = run("--open", str(media / f"{name}.abacor-tape"))
            if out.returncode != 2 or why not in out.stderr:
                faults.append(f"{name} on FUSE: status {out.returncode}: {out.stderr.strip()[:200]}")
finally:
    subprocess.run(["fusermount", "-u", str(media)], capture_output=True)
    mounted.wait(timeout=30)
media.rmdir()
huge = folder / "huge.abacor-tape"
with open(huge, "wb") as f:
    f.truncate(1 << 30)  # 1 GiB, sparse
out = run("--open", str(huge))
if out.returncode != 2 or "大きすぎ" not in out.stderr:
    faults.append(f"1 GiB: status {out.returncode}: {out.stderr.strip()}")

for path in folder.iterdir():
    path.unlink()
folder.rmdir()
for fault in faults:
    print("FAIL:", fault)
sys.exit(1 if faults else 0)
