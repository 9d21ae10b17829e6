#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""A round trip through a real CalDAV server.

Starts Radicale on 127.0.0.1 (a free port, a temporary folder), syncs one of
its calendars into a Qamarly calendar folder with vdirsyncer, changes events
on both sides (on the server by HTTP, on the desktop with `qamarly events`)
and checks that the server ends up holding what the user did. Exits 77 (a
skip for CTest) only when Radicale or vdirsyncer is not installed.

usage: caldav_round_trip.py PATH/TO/qamarly
"""
import base64
import http.client
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77
AUTH = "Basic " + base64.b64encode(b"test:secret").decode()

BERLIN = """BEGIN:VTIMEZONE\r
TZID:Europe/Berlin\r
BEGIN:DAYLIGHT\r
TZOFFSETFROM:+0100\r
TZOFFSETTO:+0200\r
TZNAME:CEST\r
DTSTART:19700329T020000\r
RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r
END:DAYLIGHT\r
BEGIN:STANDARD\r
TZOFFSETFROM:+0200\r
TZOFFSETTO:+0100\r
TZNAME:CET\r
DTSTART:19701025T030000\r
RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r
END:STANDARD\r
END:VTIMEZONE\r
"""

# Ten Mondays at 10:00 in Berlin; the clocks go forward on 29 March.
SEMINAR = ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Server side//EN\r\n" + BERLIN +
           "BEGIN:VEVENT\r\nUID:seminar-2026\r\nDTSTAMP:20260301T000000Z\r\n"
           "DTSTART;TZID=Europe/Berlin:20260309T100000\r\nDTEND;TZID=Europe/Berlin:20260309T110000\r\n"
           "RRULE:FREQ=WEEKLY;COUNT=10\r\nSUMMARY:Seminar\r\nX-CLASSROOM;X-WING=east:5\r\n"
           "END:VEVENT\r\nEND:VCALENDAR\r\n")

MONDAYS = ["2026-03-09", "2026-03-16", "2026-03-23", "2026-03-30", "2026-04-06",
           "2026-04-13", "2026-04-20", "2026-04-27", "2026-05-04", "2026-05-11"]


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Server:
    def __init__(self, folder):
        self.port = free_port()
        log = open(os.path.join(folder, "radicale.log"), "w")
        self.process = subprocess.Popen(
            ["radicale", "--config", "", "--server-hosts", "127.0.0.1:%d" % self.port,
             "--storage-filesystem-folder", os.path.join(folder, "collections"),
             "--auth-type", "none", "--rights-type", "owner_only", "--logging-level", "warning"],
            stdout=log, stderr=subprocess.STDOUT)
        deadline = time.time() + 20
        while time.time() < deadline:
            try:
                socket.create_connection(("127.0.0.1", self.port), timeout=0.2).close()
                return
            except OSError:
                time.sleep(0.1)
        self.stop()
        fail("Radicale did not start")

    def request(self, method, path, body=None, headers=None):
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=20)
        all_headers = {"Authorization": AUTH}
        all_headers.update(headers or {})
        connection.request(method, path, body=body.encode() if body else None, headers=all_headers)
        response = connection.getresponse()
        data = response.read().decode()
        connection.close()
        return response.status, data

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()


def main():
    if len(sys.argv) != 2:
        fail(__doc__)
    qamarly = os.path.abspath(sys.argv[1])
    for tool in ("radicale", "vdirsyncer"):
        if not shutil.which(tool):
            print("SKIP: %s is not installed (tools/install-deps.sh installs it from Debian)" % tool)
            return SKIP

    top = tempfile.mkdtemp(prefix="qamarly-caldav-")
    server = Server(top)
    try:
        return round_trip(top, server, qamarly)
    finally:
        server.stop()
        shutil.rmtree(top, ignore_errors=True)


def round_trip(top, server, qamarly):
    status, _ = server.request("MKCALENDAR", "/test/cal/")
    if status not in (200, 201):
        fail("MKCALENDAR gave %d" % status)
    status, _ = server.request("PUT", "/test/cal/seminar.ics", SEMINAR, {"Content-Type": "text/calendar"})
    if status not in (200, 201):
        fail("PUT gave %d" % status)

    data_home = os.path.join(top, "data")
    local = os.path.join(data_home, "qamarly", "calendars", "synced")
    os.makedirs(local)
    config = os.path.join(top, "vdirsyncer.conf")
    with open(config, "w") as f:
        f.write('[general]\nstatus_path = "%s"\n\n' % os.path.join(top, "status") +
                '[pair cal]\na = "desktop"\nb = "server"\ncollections = null\n\n'
                '[storage desktop]\ntype = "filesystem"\npath = "%s"\nfileext = ".ics"\n\n' % local +
                '[storage server]\ntype = "caldav"\nurl = "http://127.0.0.1:%d/test/cal/"\n' % server.port +
                'username = "test"\npassword = "secret"\n')

    env = dict(os.environ, XDG_DATA_HOME=data_home, XDG_CONFIG_HOME=os.path.join(top, "config"),
               XDG_CACHE_HOME=os.path.join(top, "cache"), TZ="Asia/Riyadh", LC_ALL="en_US.UTF-8",
               QT_QPA_PLATFORM="offscreen")

    discovered = []

    def sync():
        steps = [["sync"]] if discovered else [["discover"], ["sync"]]
        discovered.append(True)
        for step in steps:
            done = subprocess.run(["vdirsyncer", "-c", config] + step, env=env, input="y\n", text=True,
                                  capture_output=True, timeout=60)
            if done.returncode != 0:
                fail("vdirsyncer %s: %s%s" % (step[0], done.stdout, done.stderr))

    def run(*arguments, home=env):
        done = subprocess.run([qamarly, "events"] + list(arguments), env=home, text=True,
                              capture_output=True, timeout=60)
        if done.returncode != 0:
            fail("qamarly events %s exited %d: %s" % (" ".join(arguments), done.returncode, done.stderr))
        return done.stdout

    def server_copy():
        status, text = server.request("GET", "/test/cal/")
        if status != 200:
            fail("GET gave %d" % status)
        return text

    def titles_on_server(days):
        # The server's calendar read back by a second Qamarly of its own.
        home = os.path.join(top, "reader")
        shutil.rmtree(home, ignore_errors=True)
        folder = os.path.join(home, "data", "qamarly", "calendars", "server")
        os.makedirs(folder)
        with open(os.path.join(folder, "all.ics"), "w", newline="") as f:
            f.write(server_copy())
        reader = dict(env, XDG_DATA_HOME=os.path.join(home, "data"), XDG_CONFIG_HOME=os.path.join(home, "config"))
        seen = []
        for day in days:
            for event in json.loads(run(day, "--json", home=reader))["events"]:
                seen.append(day + " " + event["start"][11:16] + " " + event["title"])
        return seen

    sync()
    listed = json.loads(run("2026-03-30", "--json"))["events"]
    if [e["title"] for e in listed] != ["Seminar"] or listed[0]["start"] != "2026-03-30T11:00:00+03:00":
        fail("the synced series reads wrong: %s" % listed)

    # On the desktop: one occurrence deleted, the series moved by an hour,
    # a new event added.
    run("delete", "seminar-2026", "--occurrence", "2026-03-16")
    run("edit", "seminar-2026", "--start", "2026-03-09T11:00")
    dentist = run("add", "--title", "Dentist", "--start", "2026-03-10T09:00", "--end", "2026-03-10T09:30",
                  "--zone", "Asia/Riyadh", "--calendar", "synced").strip()
    sync()

    text = server_copy()
    for expected in ("UID:seminar-2026", "DTSTART;TZID=Europe/Berlin:20260309T110000",
                     "X-CLASSROOM;X-WING=east:5", "SEQUENCE:", "UID:" + dentist):
        if expected not in text:
            fail("the server lacks %r:\n%s" % (expected, text))
    if "X-LIC" in text:
        fail("libical's notes reached the server")
    seen = titles_on_server(MONDAYS)
    if len(seen) != 9 or any(" Seminar" not in s for s in seen):
        fail("the server should hold nine occurrences: %s" % seen)
    if not all(s.split(" ")[1] in ("13:00", "12:00") for s in seen):
        fail("the series should have moved by an hour: %s" % seen)

    # On the server: a place is added to the series. The desktop then
    # renames one occurrence, which must not undo the server's change.
    status, item = server.request("GET", "/test/cal/seminar.ics")
    if status != 200:
        fail("GET of the series gave %d" % status)
    item = item.replace("SUMMARY:Seminar\r\n", "SUMMARY:Seminar\r\nLOCATION:Hall B\r\n", 1)
    status, _ = server.request("PUT", "/test/cal/seminar.ics", item, {"Content-Type": "text/calendar"})
    if status not in (200, 201, 204):
        fail("PUT of the change gave %d" % status)
    sync()
    run("edit", "seminar-2026", "--occurrence", "2026-04-13", "--title", "Exam / bring ID")
    sync()
    seen = titles_on_server(["2026-04-06", "2026-04-13", "2026-04-20"])
    if [s.split(" ", 2)[2] for s in seen] != ["Seminar", "Exam / bring ID", "Seminar"]:
        fail("one occurrence should be renamed: %s" % seen)
    text = server_copy()
    if text.count("LOCATION:Hall B") != 2 or "RECURRENCE-ID;TZID=Europe/Berlin:20260413T110000" not in text:
        fail("the server's change and the override should both be there:\n%s" % text)
    print("CalDAV round trip: nine occurrences, the series and its override on the server as the user left them")
    return 0


if __name__ == "__main__":
    sys.exit(main())
