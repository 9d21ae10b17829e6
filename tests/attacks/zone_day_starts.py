#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Every zone of the system database, at a few instants: the thirty timeline
entries of qamarly-widget must be the starts of thirty consecutive local days,
as the system's own zone rules (Python's zoneinfo reads the same files) say.

usage: zone_day_starts.py [--one-instant-each] QAMARLY_WIDGET [ZONE...]

--one-instant-each checks each zone at one of the instants in turn, a third
of the runs: the sanitizer build's, where a run costs five times as much and
the plain build has already checked every zone at every instant.
"""
import concurrent.futures
import datetime as dt
import json
import os
import subprocess
import sys
import tempfile
import zoneinfo

# Spring and autumn changes of both hemispheres, and a year past the listed
# transitions where the zones' yearly rules take over.
INSTANTS = ["2026-03-20T12:00:00Z", "2026-10-20T12:00:00Z", "2047-03-30T12:00:00Z"]
ZONEINFO = os.environ.get("TZDIR", "/usr/share/zoneinfo")


def system_zones():
    zones = []
    for root, dirs, files in os.walk(ZONEINFO):
        rel = os.path.relpath(root, ZONEINFO)
        if rel.split(os.sep)[0] in ("posix", "right"):
            dirs[:] = []
            continue
        for name in files:
            zone = name if rel == "." else os.path.join(rel, name)
            try:
                with open(os.path.join(ZONEINFO, zone), "rb") as f:
                    if f.read(4) != b"TZif":
                        continue
            except OSError:
                continue
            if zone in ("localtime", "posixrules", "Factory"):
                continue
            zones.append(zone)
    return sorted(zones)


def local_date(ts, zone):
    return dt.datetime.fromtimestamp(ts, zone).date()


def start_of_day(day, zone):
    """The earliest UTC second whose local date is `day`."""
    # Local dates can go back when clocks do, so walk in quarter hours from a
    # moment surely on the day before (no zone is 16 hours ahead) to the first
    # step on the day, then bisect that quarter hour.
    midnight = dt.datetime.combine(day, dt.time(), tzinfo=dt.timezone.utc).timestamp()
    lo = int(midnight) - 16 * 3600
    assert local_date(lo, zone) < day
    t = lo
    while local_date(t, zone) < day:
        t += 900
    lo, hi = t - 900, t
    while hi - lo > 1:
        mid = (lo + hi) // 2
        if local_date(mid, zone) >= day:
            hi = mid
        else:
            lo = mid
    return hi


def check(widget, zone, at, env):
    env = dict(env, TZ=zone)
    proc = subprocess.run([widget, "timeline", "--json", "--at", at], env=env, capture_output=True,
                          text=True, timeout=60)
    if proc.returncode != 0 or "runtime error:" in proc.stderr:
        return [f"{zone} {at}: exit {proc.returncode}: {proc.stderr.strip()}"]
    entries = json.loads(proc.stdout)["entries"]
    if len(entries) != 30:
        return [f"{zone} {at}: {len(entries)} entries"]
    tz = zoneinfo.ZoneInfo(zone)
    at_ts = dt.datetime.fromisoformat(at.replace("Z", "+00:00")).timestamp()
    first = local_date(at_ts, tz)
    problems = []
    for i, entry in enumerate(entries):
        day = first + dt.timedelta(days=i)
        want = start_of_day(day, tz)
        got = dt.datetime.fromisoformat(entry["date"]).timestamp()
        if got != want:
            wanted = dt.datetime.fromtimestamp(want, tz).isoformat()
            problems.append(f"{zone} {at}: entry {i} is {entry['date']}, the day {day} starts at {wanted}")
            break
        g = entry["gregorian"]
        if (g.get("year"), g.get("month"), g.get("day")) != (day.year, day.month, day.day):
            problems.append(f"{zone} {at}: entry {i} names {g}, not {day}")
            break
    return problems


def main():
    args = sys.argv[1:]
    one_each = args[:1] == ["--one-instant-each"]
    if one_each:
        args = args[1:]
    widget = args[0]
    zones = args[1:] or system_zones()
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home, XDG_CACHE_HOME=home,
                   LANG="en_US.UTF-8",
                   LC_ALL="en_US.UTF-8", QT_QPA_PLATFORM="offscreen")
        if one_each:
            jobs = [(zone, INSTANTS[i % len(INSTANTS)]) for i, zone in enumerate(zones)]
        else:
            jobs = [(zone, at) for zone in zones for at in INSTANTS]
        problems = []
        with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
            for found in pool.map(lambda job: check(widget, job[0], job[1], env), jobs):
                problems.extend(found)
    for p in problems:
        print(p)
    print(f"{len(jobs)} timelines in {len(zones)} zones, {len(problems)} wrong")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
