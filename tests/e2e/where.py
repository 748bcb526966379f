#!/usr/bin/python3
"""Where a person would click: the centre, in screen pixels, of the part of a
program named NAME (and of ROLE, if given) as its accessibility tree tells,
so that the end-to-end tests click what they mean wherever fonts and styles
put it. Waits until the part is showing, up to a generous limit.

usage: where.py APPLICATION NAME [ROLE]   prints "X Y"; exits 1 when not found
"""
import sys
import time

import pyatspi

LIMIT_SECONDS = 30


def parts(node):
    try:
        yield node
        for child in node:
            if child is not None:
                yield from parts(child)
    except Exception:
        return


def find(application, name, role):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != application:
            continue
        for node in parts(app):
            try:
                if node.name != name or (role and node.getRoleName() != role):
                    continue
                if not node.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                if box.width > 0 and box.height > 0:
                    return box.x + box.width // 2, box.y + box.height // 2
            except Exception:
                continue
    return None


def main():
    application, name = sys.argv[1], sys.argv[2]
    role = sys.argv[3] if len(sys.argv) > 3 else None
    end = time.time() + LIMIT_SECONDS
    while time.time() < end:
        found = find(application, name, role)
        if found:
            print("%d %d" % found)
            return 0
        time.sleep(0.1)
    print("where.py: no part '%s' of %s showing" % (name, application), file=sys.stderr)
    return 1


sys.exit(main())
