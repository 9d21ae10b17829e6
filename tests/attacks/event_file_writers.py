#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""`qamarly events edit` on a file another program keeps rewriting as a sync
tool does, a new file renamed over it. (One written in place by a program
that opened it before a rename is lost to any renaming writer; that race is
the file system's.) The other program numbers its versions (X-VERSION); none of them may be lost:
each of its writes finds the version it wrote last (at most after a glimpse
of an edit's that is being put back), the last one stays, and each edit
either lands or says another program changed the file.

usage: event_file_writers.py QAMARLY
"""
import os
import random
import re
import subprocess
import sys
import tempfile
import threading
import time

EDITS = 200
UID = "shared-event"
VERSION = re.compile(rb"X-VERSION:(\d+)")


def text(version, title):
    return (f"BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//other//other//EN\r\nBEGIN:VEVENT\r\nUID:{UID}\r\n"
            f"DTSTAMP:20261201T000000Z\r\nDTSTART:20261207T100000Z\r\nDTEND:20261207T110000Z\r\n"
            f"SUMMARY:{title}\r\nX-VERSION:{version}\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n").encode()


def holding(path, version):
    """The file's text when it holds `version`, else None."""
    with open(path, "rb") as f:
        current = f.read()
    found = VERSION.search(current)
    return current if found and int(found.group(1)) == version else None


def other_program(path, stop, rng, lost, written, glimpses):
    """Writes numbered versions over the file, keeping whatever title it has,
    until told to stop; before each, the file must still hold the version
    written last (an edit keeps it), or that version was lost. An edit that
    finds a new version at its last check puts it back at once; a read in
    that moment sees the edit's version (a glimpse), and a moment later its
    own again. Now and then it pauses, so that edits land too."""
    version = 0
    while not stop.is_set():
        version += 1
        current = holding(path, version - 1)
        if current is None:
            time.sleep(0.02)
            current = holding(path, version - 1)
            if current is None:
                lost.append(f"version {version - 1} was lost from the file")
                with open(path, "rb") as f:
                    current = f.read()
            else:
                glimpses.append(version - 1)
        title = re.search(rb"SUMMARY:([^\r\n]*)", current)
        spare = f"{path}.other.tmp"
        with open(spare, "wb") as f:
            f.write(text(version, title.group(1).decode() if title else "Other"))
        os.rename(spare, path)
        written.append(version)
        time.sleep(0.05 if rng.random() < 0.03 else rng.uniform(0, 0.002))


def main():
    qamarly = sys.argv[1]
    rng = random.Random(20261207)
    failures = []
    with tempfile.TemporaryDirectory() as home:
        calendar = os.path.join(home, "data", "qamarly", "calendars", "home")
        os.makedirs(calendar)
        path = os.path.join(calendar, UID + ".ics")
        with open(path, "wb") as f:
            f.write(text(0, "Start"))
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"), XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_RUNTIME_DIR=os.path.join(home, "no-runtime"), DBUS_SESSION_BUS_ADDRESS="disabled:",
                   TZ="Asia/Riyadh", LC_ALL="en_US.UTF-8", QT_QPA_PLATFORM="offscreen")
        stop = threading.Event()
        written = [0]
        glimpses = []
        writer = threading.Thread(target=other_program, args=(path, stop, rng, failures, written, glimpses))
        writer.start()
        landed = refused = 0
        edit = 0
        # Until enough have landed among the refusals, within a bound.
        while (edit < EDITS or landed < 3) and edit < 10 * EDITS:
            edit += 1
            result = subprocess.run([qamarly, "events", "edit", UID, "--title", f"Ours {edit}"], env=env,
                                    capture_output=True, timeout=60)
            if result.returncode == 0:
                landed += 1
            elif result.returncode == 1 and b"another program" in result.stderr:
                refused += 1
            else:
                failures.append(f"edit {edit}: exit {result.returncode}: {result.stderr.decode(errors='replace')}")
        stop.set()
        writer.join()
        with open(path, "rb") as f:
            final = f.read()
        found = VERSION.search(final)
        if not found or int(found.group(1)) != written[-1]:
            failures.append(f"the last version {written[-1]} is not in the file: {final!r}")
        leftovers = [n for n in os.listdir(calendar) if n not in (UID + ".ics",) and not n.endswith(".other.tmp")]
        if leftovers:
            failures.append(f"files left beside the calendar's: {leftovers}")
        if landed == 0:
            failures.append("no edit landed, so this run proves nothing about edits")
        print(f"{edit} edits: {landed} landed, {refused} refused as changed by another program, "
              f"during {written[-1]} versions, {len(glimpses)} glimpsed")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
