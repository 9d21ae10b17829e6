#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""The command lines map no GUI library; the window and the widget's drawing
do, in the programs of their own that run in the launcher's place. Only
writing an event loads libical; reading one, and every other command, starts
without it. Each
program runs under the dynamic loader's own report (LD_DEBUG=files), which
names every library the process maps, at start, after exec or through dlopen,
so nothing that loads late is missed.

usage: loaded_libraries.py QAMARLY QAMARLY_WIDGET
"""
import glob
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

GUI = re.compile(r"libQt6(Gui|Widgets)\.so")
ICAL = re.compile(r"libical\.so")
MAPPED = re.compile(r"file=(\S+)\s+\[\d+\];\s+(?:needed|dynamically loaded) by")
COMMANDS = [
    ["today"], ["today", "--json"], ["convert", "2026-12-06", "--json"],
    ["convert", "1448-06-26", "--from", "hijri"], ["range", "2026-01-01", "2026-12-06", "--json"],
    ["month", "2026-12"], ["month", "1448-06", "--calendar", "hijri", "--json"], ["occasions", "--json"],
    ["settings"], ["settings", "--json"], ["settings", "set", "adjustmentNumber", "1"],
    ["notifications", "plan"], ["notifications", "pending", "--json"], ["events", "2026-12-06"],
    ["events", "--json"], ["--help"], ["--version"], ["range", "--help"], ["frobnicate"],
]
WIDGET_COMMANDS = [["timeline"], ["timeline", "--json", "--at", "2026-12-06T09:30:00+03:00"], ["--help"],
                   ["--version"], ["timeline", "--yaml"]]
failures = []


def mapped_libraries(report_prefix):
    libraries = set()
    for path in glob.glob(report_prefix + ".*"):
        with open(path, errors="replace") as report:
            for line in report:
                m = MAPPED.search(line)
                if m:
                    libraries.add(m.group(1))
        os.remove(path)
    return libraries


def run(program, args, env, report_prefix, statuses=(0,)):
    env = dict(env, LD_DEBUG="files", LD_DEBUG_OUTPUT=report_prefix)
    result = subprocess.run([program] + args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            timeout=60)
    shown = f"{os.path.basename(program)} {' '.join(args)}"
    if result.returncode not in statuses:
        failures.append(f"{shown}: exit status {result.returncode}: {result.stderr.decode(errors='replace')}")
    return shown, mapped_libraries(report_prefix)


def stop_agent(config_home):
    """The window starts the notification agent, which outlives it by design;
    it may still be on its way, so its lock is awaited a little."""
    lock = os.path.join(config_home, "qamarly", "qamarly-notifyd.lock")
    deadline = time.monotonic() + 3
    while time.monotonic() < deadline:
        try:
            with open(lock) as f:
                os.kill(int(f.readline()), signal.SIGTERM)
            return
        except (OSError, ValueError):
            time.sleep(0.2)


def window_runs_its_program(qamarly, env, report_prefix):
    """The window opens from the build tree: its program and Qt Widgets come in."""
    env = dict(env, LD_DEBUG="files", LD_DEBUG_OUTPUT=report_prefix, QT_QPA_PLATFORM="offscreen")
    # Its output goes to a file: the agent the window starts inherits it and
    # outlives the window, and would keep a pipe open.
    with tempfile.TemporaryFile() as log:
        process = subprocess.Popen([qamarly], env=env, stdout=subprocess.DEVNULL, stderr=log)
        deadline = time.monotonic() + 30
        seen = set()
        window_ran = False
        try:
            while time.monotonic() < deadline and process.poll() is None:
                for path in glob.glob(report_prefix + ".*"):
                    with open(path, errors="replace") as report:
                        seen |= {m.group(1) for m in map(MAPPED.search, report) if m}
                try:
                    running = os.readlink(f"/proc/{process.pid}/exe")
                except OSError:
                    running = ""
                # The loader names the program by the argv[0] it kept ("qamarly"):
                # what runs is told by the process's own file.
                window_ran = window_ran or running.endswith("/qamarly-window")
                if window_ran and any("libQt6Widgets" in s for s in seen):
                    break
                time.sleep(0.1)
        finally:
            if process.poll() is None:
                process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
            mapped_libraries(report_prefix)
        log.seek(0)
        err = log.read()
    if not window_ran:
        failures.append("qamarly (window): its program did not run: " + err.decode(errors="replace"))
    if not any("libQt6Widgets" in s for s in seen):
        failures.append("qamarly (window): Qt Widgets never loaded, so this check could not see a GUI library")


def main():
    qamarly, widget = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as home:
        env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY")}
        env.update(LC_ALL="en_US.UTF-8", TZ="Asia/Riyadh", HOME=home,
                   XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"), XDG_RUNTIME_DIR=os.path.join(home, "run"))
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        report = os.path.join(home, "loader")
        try:
            # An event in another zone to read back: writing it needs libical's zones.
            os.makedirs(os.path.join(env["XDG_DATA_HOME"], "qamarly", "calendars", "home"))
            shown, libraries = run(qamarly, ["events", "add", "--title", "Zoned", "--start", "2026-12-06T10:00",
                                             "--end", "2026-12-06T11:00", "--zone", "Europe/Berlin"], env, report)
            if not any(ICAL.search(l) for l in libraries):
                failures.append(f"{shown}: never loaded libical, so this check could not see it")
            for args in COMMANDS:
                shown, libraries = run(qamarly, args, env, report, (0, 2) if args == ["frobnicate"] else (0,))
                unwanted = sorted(l for l in libraries if GUI.search(l) or ICAL.search(l))
                if unwanted:
                    failures.append(f"{shown}: maps {', '.join(unwanted)}")
                if not any("libQt6Core" in l for l in libraries):
                    failures.append(f"{shown}: the loader's report names no Qt Core; the check sees nothing")
            for args in WIDGET_COMMANDS:
                shown, libraries = run(widget, args, env, report,
                                       (0, 2) if args == ["timeline", "--yaml"] else (0,))
                gui = sorted(l for l in libraries if GUI.search(l))
                if gui:
                    failures.append(f"{shown}: maps {', '.join(gui)}")
            # The other side: drawing runs the host program, with Qt Gui.
            shown, libraries = run(widget, ["render", "--kind", "simple", "--family", "small", "-o",
                                            os.path.join(home, "w.png"), "--at", "2026-12-06T09:30:00+03:00"],
                                   dict(env, QT_QPA_PLATFORM="offscreen"), report)
            # The launcher links no GUI library (the build refuses it), so Qt Gui
            # here is the host program's.
            if not any(GUI.search(l) for l in libraries):
                failures.append(f"{shown}: did not run its host program with Qt Gui: {sorted(libraries)}")
            window_runs_its_program(qamarly, env, report)
        finally:
            stop_agent(env["XDG_CONFIG_HOME"])
    for failure in failures:
        print(failure)
    print("ok" if not failures else f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
