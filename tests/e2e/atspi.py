#!/usr/bin/python3
"""Reads the program's accessibility tree for the end-to-end suite.

  atspi.py center NAME [WINDOW]   screen centre "x y" of the first showing object named NAME
  atspi.py tree WINDOW            one line per object: role, name, description, focusable
  atspi.py problems WINDOW        focusable objects without a name, and names used twice
  atspi.py describe NAME [WINDOW] the accessible description of the object named NAME
  atspi.py focused WINDOW         the name of the object that has the keyboard focus
  atspi.py press NAME [WINDOW]    does the first action (a click) of the object named NAME,
                                  shown or not (a menu's item)
"""
import sys

import pyatspi

# A loaded machine answers slowly: wait long for each call (the library gives up after
# 0.8 s by default, which reads as "no such control"); callers retry under a deadline.
pyatspi.setTimeout(20000, 30000)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name and a.name.lower().startswith("pigmentor"):
            return a
    return None


def windows(title):
    a = app()
    if a is None:
        return []
    out = []
    for i in range(a.childCount):
        w = a.getChildAtIndex(i)
        if w is not None and (title is None or title in (w.name or "")):
            out.append(w)
    return out


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def focusable(node):
    return node.getState().contains(pyatspi.STATE_FOCUSABLE)


def find(name, title):
    for w in windows(title):
        for node, _ in walk(w):
            if node.name == name and showing(node):
                return node
    return None


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    verb = argv[1]
    title = argv[3] if verb in ("center", "describe", "press") and len(argv) > 3 else None
    if verb == "press":
        for w in windows(title):
            for node, _ in walk(w):
                if node.name is not None and node.name.replace("&", "") == argv[2]:
                    node.queryAction().doAction(0)
                    return 0
        return 1
    if verb == "center":
        node = find(argv[2], title)
        if node is None:
            return 1
        ext = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(ext.x + ext.width // 2, ext.y + ext.height // 2)
        return 0
    if verb == "describe":
        node = find(argv[2], title)
        if node is None:
            return 1
        print(node.description)
        return 0
    title = argv[2] if len(argv) > 2 else None
    if verb == "tree":
        for w in windows(title):
            for node, depth in walk(w):
                print("%s%s | %s | %s | %s" % ("  " * depth, node.getRoleName(), node.name,
                                               node.description, "focusable" if focusable(node) else ""))
        return 0
    if verb == "focused":
        for w in windows(title):
            for node, _ in walk(w):
                if node.getState().contains(pyatspi.STATE_FOCUSED):
                    print(node.name)
                    return 0
        return 1
    if verb == "problems":
        found = False
        for w in windows(title):
            found = True
            seen = {}
            for node, _ in walk(w):
                if not showing(node) or not focusable(node):
                    continue
                role = node.getRoleName()
                if not node.name:
                    print("unnamed %s" % role)
                else:
                    seen[node.name] = seen.get(node.name, 0) + 1
            for name, count in sorted(seen.items()):
                if count > 1:
                    print("named twice: %s" % name)
        if not found:
            print("no window titled %s" % title)
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
