#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""The desktop host, once it shows its first timeline, maps no Qt Widgets
library and holds no settings suite open: the timeline comes from a child
process, the positions from an INI file. Positions left in the old suite are
imported on this first start, and the suite is closed again.

usage: host_process.py QAMARLY_WIDGET
"""
import glob
import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import time

SUITE_FILE = re.compile(r"\.sqlite(-wal|-shm|-journal)?$")


def children(pid):
    found = set()
    for path in glob.glob(f"/proc/{pid}/task/*/children"):
        try:
            with open(path) as f:
                found.update(int(p) for p in f.read().split())
        except OSError:
            pass
    return found


def open_files(pid):
    files = []
    for fd in glob.glob(f"/proc/{pid}/fd/*"):
        try:
            files.append(os.readlink(fd))
        except OSError:
            pass
    return files


def main():
    program = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as home:
        config = os.path.join(home, "config", "qamarly")
        os.makedirs(config)
        for name in ("org.qamarly.Qamarly", "group.org.qamarly.QamarlyTodayExtension",
                     "org.qamarly.QamarlyWidget"):
            with sqlite3.connect(os.path.join(config, name + ".sqlite")) as db:
                db.execute("CREATE TABLE IF NOT EXISTS filler (x)")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"),
                   QT_QPA_PLATFORM="offscreen",
                   TZ="Asia/Riyadh", LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8")
        host = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        try:
            # The first timeline has arrived once the child that printed it has ended.
            seen, done = set(), False
            deadline = time.monotonic() + 60
            while time.monotonic() < deadline and host.poll() is None:
                now = children(host.pid)
                seen |= now
                if seen and not (now & seen):
                    done = True
                    break
                time.sleep(0.005)
            if host.poll() is not None:
                failures.append(f"the host ended with status {host.returncode}: "
                                f"{host.stderr.read().decode(errors='replace')}")
            elif not done:
                failures.append("the host never ran its timeline command")
            else:
                time.sleep(0.5)
                with open(f"/proc/{host.pid}/maps") as f:
                    maps = f.read()
                if "libQt6Widgets" in maps:
                    failures.append("the host maps libQt6Widgets")
                if not os.readlink(f"/proc/{host.pid}/exe").endswith("/qamarly-widget-host"):
                    failures.append("the host program is not running: is this the host at all?")
                suites = [p for p in open_files(host.pid) if SUITE_FILE.search(p)]
                if suites:
                    failures.append(f"the host keeps settings suites open: {suites}")
                if not os.path.exists(os.path.join(config, "widget-host.conf")):
                    failures.append("the host did not write its position file on its first start")
        finally:
            host.kill()
            host.wait()
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
