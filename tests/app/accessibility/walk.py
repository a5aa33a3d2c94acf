#!/usr/bin/python3
"""Reads the program's windows as a screen reader does, over AT-SPI.

walk.py PID VIEW [NAME=all|inputs...]: finds the application of process PID on the
accessibility bus, walks every showing object of its windows and prints one
line of JSON per fault: a control without a name, a name with blanks at its
ends, a name that is not its label's, two buttons of a window with one name,
a row of a list, tree or table without a name, and, in the views named
NAME (every row, or the rows of inputs), a row that does not say its marks. Exit status 0 when the
walk was made (faults or not), 2 when the application never showed up.
"""
import json
import re
import sys
import time

import pyatspi

CONTROLS = {
    "push button", "toggle button", "check box", "radio button", "combo box",
    "text", "password text", "entry", "spin button", "slider", "list", "list box",
    "tree", "tree table", "table", "progress bar", "page tab", "menu button",
}
VIEWS = {"list", "list box", "tree", "tree table", "table"}
MARKS = ("conflict", "non-pageable", "assigned pageable", "unassigned pageable")
# An input of the configuration tree: its place, then its number.
INPUT_ROW = re.compile(r"^(Input \d+|exp \d+, inp \d+), ")
ROWS_READ = 80


def find_application(pid, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
        except Exception:  # the bus may still be starting; try again
            pass
        time.sleep(0.2)
    return None


def showing(obj):
    try:
        return obj.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def without_access_key(text):
    return re.sub(r"&(.)", r"\1", text or "")


def label_of(obj):
    """The text of the label that names obj; a group box that holds it is not one."""
    try:
        for relation in obj.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    target = relation.getTarget(i)
                    if target is not None and target.getRoleName() == "label":
                        return without_access_key(target.name)
    except Exception:
        pass
    return None


class Walk:
    def __init__(self, view, speaking):
        self.view = view
        self.speaking = dict(item.split("=", 1) for item in speaking)
        self.faults = []
        self.controls = 0
        self.rows_read = 0
        self.rows_marked = 0

    def fault(self, path, role, name, problem):
        self.faults.append({"view": self.view, "path": path, "role": role,
                            "name": name, "problem": problem})

    def rows(self, obj, role, name, path):
        cells = []
        try:
            table = obj.queryTable()
            for r in range(min(table.nRows, ROWS_READ)):
                cell = table.getAccessibleAt(r, 0)
                if cell is not None:
                    cells.append(cell)
        except NotImplementedError:
            for i in range(min(obj.childCount, ROWS_READ)):
                child = obj.getChildAtIndex(i)
                if child is not None and child.getRoleName() in ("list item", "table cell",
                                                                 "tree item"):
                    cells.append(child)
        for cell in cells:
            if not showing(cell):
                continue
            text = cell.name or ""
            self.rows_read += 1
            if any(mark in text for mark in MARKS):
                self.rows_marked += 1
            if not text.strip():
                self.fault(path + "/row", cell.getRoleName(), text,
                           "a row of '%s' says nothing" % name)
            elif name in self.speaking:
                needs = self.speaking[name] == "all" or INPUT_ROW.match(text)
                if needs and not any(mark in text for mark in MARKS):
                    self.fault(path + "/row", cell.getRoleName(), text,
                               "a row of '%s' does not say its marks" % name)

    def control(self, obj, role, name, path, window_buttons):
        if not name.strip():
            self.fault(path, role, name, "no name")
            return
        if name != name.strip():
            self.fault(path, role, name, "blanks at the ends of its name")
        label = label_of(obj)
        if label is not None and label.strip() and name.strip() != label.strip():
            self.fault(path, role, name, "named '%s' but its label says '%s'" % (name, label))
        if role == "push button":
            if name in window_buttons:
                self.fault(path, role, name, "two buttons of the window share the name")
            window_buttons.add(name)

    def visit(self, obj, path, window_buttons, depth=0):
        if obj is None or depth > 40 or not showing(obj):
            return
        role = obj.getRoleName()
        name = obj.name or ""
        here = "%s/%s[%s]" % (path, role, name[:30])
        if role in CONTROLS:
            self.controls += 1
            self.control(obj, role, name, here, window_buttons)
        if role in VIEWS:
            self.rows(obj, role, name, here)
            return
        for i in range(obj.childCount):
            try:
                child = obj.getChildAtIndex(i)
            except Exception:
                continue
            self.visit(child, here, window_buttons, depth + 1)


def main():
    pid = int(sys.argv[1])
    walk = Walk(sys.argv[2], sys.argv[3:])
    app = find_application(pid, 30)
    if app is None:
        print("application %d not found on the accessibility bus" % pid, file=sys.stderr)
        return 2
    # The window the test put in front; every window when none says it is.
    windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
    active = [w for w in windows if w is not None and w.getState().contains(pyatspi.STATE_ACTIVE)]
    for window in active or windows:
        walk.visit(window, "", set())
    for fault in walk.faults:
        print(json.dumps(fault))
    print(json.dumps({"summary": {"controls": walk.controls, "rows": walk.rows_read,
                                  "marked": walk.rows_marked}}))
    return 0


if __name__ == "__main__":
    sys.exit(main())
