#!/usr/bin/python3
"""A small FUSE file system of tape files that misbehave as real media do,
mounted at the folder given until it is unmounted (fusermount -u):

  eio.abacor-tape      every read fails with EIO (a pulled stick, a dropped share)
  growing.abacor-tape  says 1 KiB, but gives lines for as long as it is read
  slow.abacor-tape     a good tape whose first read of each open takes 3 s

Debian's python3-fusepy (libfuse 2); run with the system's python3."""
import errno
import stat
import sys
import threading
import time

import fusepy

LINE = "1,1,1,1,＋,,,\r\n".encode()
HEAD = ("\ufeffabacor-tape,1\r\n設定,TaxPercent=1000,TaxPercent2=800,ItemCountFlg=0,ActiveRate=1\r\n"
        "実行,計算,番号,数値,種別,訂正前,注記,日時\r\n").encode()
SLOW = HEAD + "1,1,1,12,＋,,,\r\n1,1,2,30,＝,,,\r\n1,1,,42,*,,,\r\n".encode()
SIZES = {"/eio.abacor-tape": 4096, "/growing.abacor-tape": 1024, "/slow.abacor-tape": len(SLOW)}


class FaultyFiles(fusepy.Operations):
    def __init__(self):
        self.started = set()
        self.guard = threading.Lock()

    def getattr(self, path, fh=None):
        if path == "/":
            return dict(st_mode=stat.S_IFDIR | 0o755, st_nlink=2)
        if path in SIZES:
            return dict(st_mode=stat.S_IFREG | 0o644, st_nlink=1, st_size=SIZES[path], st_mtime=time.time())
        raise fusepy.FuseOSError(errno.ENOENT)

    def readdir(self, path, fh):
        return [".", ".."] + [name[1:] for name in SIZES]

    def open(self, path, flags):
        with self.guard:
            self.started.discard(path)
        return 0

    def read(self, path, size, offset, fh):
        if path == "/eio.abacor-tape":
            raise fusepy.FuseOSError(errno.EIO)
        if path == "/growing.abacor-tape":
            data = HEAD + LINE * (size // len(LINE) + 2)
            start = offset if offset < len(HEAD) else len(HEAD) + (offset - len(HEAD)) % len(LINE)
            return data[start:start + size]
        with self.guard:
            first = path not in self.started
            self.started.add(path)
        if first:
            time.sleep(3)
        return SLOW[offset:offset + size]


if __name__ == "__main__":
    fusepy.FUSE(FaultyFiles(), sys.argv[1], foreground=True, direct_io=True, ro=True)
