#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Reads the main window as a screen reader does, through AT-SPI, and fails on
an unnamed control, a control in the wrong role, or a tab that does not switch
its page.

Usage: accessibility_tree.py HOST LOCALE [--dump]

HOST is the qamarly-accessible-window program. The script starts what a
desktop session would have: an X server (Xvfb; Qt's offscreen platform has no
AT-SPI bridge), a private session bus and, through it, the accessibility bus
launcher. Nothing of the user's session is touched.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

# Roles a person acts on; each must carry a name.
INTERACTIVE = {
    "push button", "toggle button", "check box", "radio button", "page tab", "spin button",
    "combo box", "entry", "text", "slider", "table cell", "list item", "menu item", "link",
    "menu",
}
TAB_COUNT = 5


def start(args, env, **kw):
    return subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, **kw)


def start_x(env):
    read_fd, write_fd = os.pipe()
    server = start(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                   env, pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
    os.close(write_fd)
    with os.fdopen(read_fd) as pipe:
        display = pipe.readline().strip()
    if not display:
        sys.exit("Xvfb did not start")
    return server, ":" + display


def start_session_bus(env):
    bus = start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env, stdout=subprocess.PIPE,
                stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    if not address:
        sys.exit("dbus-daemon did not start")
    return bus, address


def wait_for(predicate, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.2)
    sys.exit("timed out waiting for " + what)


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def showing(node, pyatspi):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def describe(node):
    return "%s %r" % (node.getRoleName(), node.name)


def check_showing_tree(app, pyatspi, problems, label, dump):
    seen = []
    for node, depth in walk(app):
        role = node.getRoleName()
        if not showing(node, pyatspi) and role != "application":
            continue
        seen.append((node, depth))
        if dump:
            print("  " * depth + describe(node))
        state = node.getState()
        focusable = state.contains(pyatspi.STATE_FOCUSABLE)
        if (role in INTERACTIVE or focusable) and not node.name.strip():
            problems.append("%s: unnamed %s (parent %s)" % (label, role, describe(node.parent)))
        if focusable and role in ("filler", "unknown", "panel") and not node.name.strip():
            problems.append("%s: focusable %s is not a control" % (label, describe(node)))
        if node.name.strip().lstrip("+-−").isdigit() and role in INTERACTIVE:
            problems.append("%s: %s is named by a bare number" % (label, describe(node)))
    return seen


def find(nodes, role, name=None):
    return [n for n, _ in nodes if n.getRoleName() == role and (name is None or n.name == name)]


def main():
    import importlib.util
    if importlib.util.find_spec("pyatspi") is None:
        # pyatspi comes with the system's Python, which may not be the first on PATH.
        if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != "/usr/bin/python3":
            os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
        print("skipped: python3-pyatspi is not installed")
        return 77
    host, locale = sys.argv[1], sys.argv[2]
    dump = "--dump" in sys.argv
    for tool in ("Xvfb", "dbus-daemon"):
        if not shutil.which(tool):
            print("skipped: %s is not installed" % tool)
            return 77
    runtime = tempfile.mkdtemp(prefix="qamarly-a11y-")
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=runtime, NO_AT_BRIDGE="0")
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    processes = []
    try:
        xserver, display = start_x(env)
        processes.append(xserver)
        env["DISPLAY"] = display
        bus, address = start_session_bus(env)
        processes.append(bus)
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ.update(DISPLAY=display, DBUS_SESSION_BUS_ADDRESS=address, XDG_RUNTIME_DIR=runtime)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        window_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                          QT_ACCESSIBILITY="1", LC_ALL=locale + ".UTF-8")
        # The accessibility bus, as a desktop session starts it, before the window looks for it.
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                        "org.a11y.Bus.GetAddress"], env=env, stdout=subprocess.DEVNULL, check=True,
                       timeout=20)
        window = start(["/usr/bin/env", host, locale], window_env, stdout=subprocess.PIPE, text=True)
        processes.append(window)
        if window.stdout.readline().strip() != "shown":
            sys.exit("the window did not come up")

        import pyatspi  # after the environment names our buses

        def application():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == os.path.basename(host):
                    return app
            return None

        app = wait_for(application, 30, "the window on the accessibility bus")
        problems = []
        all_nodes = check_showing_tree(app, pyatspi, problems, "calendar", dump)

        bars = [b for b in find(all_nodes, "page tab list") if b.childCount == TAB_COUNT]
        if len(bars) != 1 or not bars[0].name:
            problems.append("the tab bar is not one named page tab list: %s" % [describe(b) for b in bars])
            print("\n".join(problems))
            return 1
        tabs = [bars[0].getChildAtIndex(i) for i in range(bars[0].childCount)]
        if [t.getRoleName() for t in tabs] != ["page tab"] * TAB_COUNT:
            problems.append("the tab bar holds %s" % [describe(t) for t in tabs])
        if find(all_nodes, "check box"):
            problems.append("check boxes: %s" % [describe(n) for n in find(all_nodes, "check box")])

        # The month grid: a table of weekday headers and day cells naming both calendars.
        tables = find(all_nodes, "table")
        if len(tables) != 1:
            problems.append("the month grid is not one table (%d found)" % len(tables))
        else:
            grid = tables[0].queryTable()
            if grid.nColumns != 7 or grid.nRows not in (4, 5, 6):
                problems.append("the grid is %d x %d" % (grid.nRows, grid.nColumns))
            headers = [grid.getColumnHeader(c) for c in range(grid.nColumns)]
            if any(h is None or h.getRoleName() not in ("column header", "table column header") or not h.name for h in headers):
                problems.append("weekday headers: %s" % [h and describe(h) for h in headers])
            today = [n for n, _ in all_nodes if n.getRoleName() == "table cell" and
                     n.getState().contains(pyatspi.STATE_SELECTED)]
            marks = ("December", "Jumada", "1448", "event") if locale.startswith("en") else \
                ("ديسمبر", "جمادى", "١٤٤٨", "موعد|مواعيد")
            if len(today) != 1 or not all(any(m in today[0].name for m in mark.split("|")) for mark in marks):
                problems.append("the selected day is %s; it should name %s" % ([describe(n) for n in today],
                                                                               marks))
        rows = find(all_nodes, "list item")
        if not any("Family dinner" in r.name and "Home" in r.name for r in rows):
            problems.append("no event row names its title and calendar: %s" % [describe(r) for r in rows])
        if not any(n.getRoleName() == "list" and n.name for n, _ in all_nodes):
            problems.append("the event list has no name")

        # Each tab, pressed through its action, shows its page and only it.
        for index, tab in enumerate(tabs):
            action = tab.queryAction()
            names = [action.getName(i).lower() for i in range(action.nActions)]
            if "press" not in names:
                problems.append("tab %s has no press action: %s" % (describe(tab), names))
                continue
            action.doAction(names.index("press"))
            if not wait_for(lambda: tab.getState().contains(pyatspi.STATE_SELECTED), 10, "the tab's selection"):
                continue
            others = [t for t in tabs if t is not tab and t.getState().contains(pyatspi.STATE_SELECTED)]
            if others:
                problems.append("pressing %s leaves %s selected" % (describe(tab), [describe(t) for t in others]))
            time.sleep(0.5)
            if dump:
                print("--- " + tab.name)
            nodes = check_showing_tree(app, pyatspi, problems, tab.name, dump)
            if index in (1, 2):  # the converter and the date range: day, month and year spin buttons
                spins = find(nodes, "spin button")
                if len(spins) < 3 or len(spins) % 3:
                    problems.append("%s: date wheels as %s" % (tab.name, [describe(s) for s in spins]))
                if find(nodes, "table"):
                    problems.append("%s: the calendar's grid is still showing" % tab.name)
            if index == 4:  # the occasions: a named list whose cards name the occasion
                lists = [n for n in find(nodes, "list") if n.name]
                cards = [n for l in lists for n in (l.getChildAtIndex(i) for i in range(l.childCount))]
                if not any(c.getRoleName() == "list item" and c.name and
                           c.getState().contains(pyatspi.STATE_SELECTED) for c in cards):
                    problems.append("occasions: no card in front is named: %s" % [describe(c) for c in cards])
        for problem in problems:
            print(problem)
        return 1 if problems else 0
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
