#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Random recurrence rules walked by our expander and by python-dateutil's
rrule, an implementation of its own: the occurrences in a window must agree.

Usage: recurrence_against_dateutil.py RECURRENCE_PROBE [CASES]
Seeded by ATTACK_SEED. Windows start past the first periods, so rules are
also checked where the expander jumps ahead instead of walking from DTSTART.
"""
import datetime as dt
import os
import random
import signal
import subprocess
import sys

from dateutil import rrule as du

FREQS = ["SECONDLY", "MINUTELY", "HOURLY", "DAILY", "WEEKLY", "MONTHLY", "YEARLY"]
DU_FREQ = {"SECONDLY": du.SECONDLY, "MINUTELY": du.MINUTELY, "HOURLY": du.HOURLY, "DAILY": du.DAILY,
           "WEEKLY": du.WEEKLY, "MONTHLY": du.MONTHLY, "YEARLY": du.YEARLY}
UNIT = {"SECONDLY": dt.timedelta(seconds=1), "MINUTELY": dt.timedelta(minutes=1),
        "HOURLY": dt.timedelta(hours=1), "DAILY": dt.timedelta(days=1), "WEEKLY": dt.timedelta(weeks=1),
        "MONTHLY": dt.timedelta(days=31), "YEARLY": dt.timedelta(days=366)}
DAYS = ["MO", "TU", "WE", "TH", "FR", "SA", "SU"]
DU_DAYS = [du.MO, du.TU, du.WE, du.TH, du.FR, du.SA, du.SU]


def stamp(t):
    return t.strftime("%Y%m%dT%H%M%S")


def some(rng, values, most):
    return sorted(rng.sample(values, rng.randint(1, most)))


def random_case(rng):
    freq = rng.choice(FREQS)
    start = dt.datetime(rng.randint(2019, 2027), rng.randint(1, 12), rng.randint(1, 28),
                        rng.randint(0, 23), rng.randint(0, 59), rng.randint(0, 59))
    interval = rng.choice([1, 1, 2, 3, 5, 7, 8, 13, 90]) if freq in ("HOURLY", "MINUTELY", "SECONDLY") \
        else rng.choice([1, 1, 2, 3, 4])
    parts = ["FREQ=" + freq, "INTERVAL=%d" % interval]
    kw = dict(freq=DU_FREQ[freq], dtstart=start, interval=interval, cache=False)
    coarse = freq in ("DAILY", "WEEKLY", "MONTHLY", "YEARLY")
    if rng.random() < 0.3:
        v = some(rng, list(range(1, 13)), 4)
        parts.append("BYMONTH=" + ",".join(map(str, v)))
        kw["bymonth"] = v
    if rng.random() < 0.25 and freq != "WEEKLY":
        v = some(rng, [d for d in range(-31, 32) if d], 3)
        parts.append("BYMONTHDAY=" + ",".join(map(str, v)))
        kw["bymonthday"] = v
    if rng.random() < 0.35:
        days = some(rng, list(range(7)), 3)
        text, objs = [], []
        # dateutil intersects plain and numbered weekdays of one list where
        # RFC 5545 joins them: a list is all of one kind here.
        numbered = freq in ("MONTHLY", "YEARLY") and rng.random() < 0.5
        for d in days:
            n = rng.choice([1, 2, -1, 3, -2, 5, -5]) if numbered else 0
            text.append((("%+d" % n) if n else "") + DAYS[d])
            objs.append(DU_DAYS[d](n) if n else DU_DAYS[d])
        parts.append("BYDAY=" + ",".join(text))
        kw["byweekday"] = objs
    if freq == "YEARLY" and rng.random() < 0.15:
        v = some(rng, [d for d in range(-366, 367) if d], 3)
        parts.append("BYYEARDAY=" + ",".join(map(str, v)))
        kw["byyearday"] = v
    if freq == "YEARLY" and rng.random() < 0.15:
        v = some(rng, [w for w in range(-53, 54) if w], 3)
        parts.append("BYWEEKNO=" + ",".join(map(str, v)))
        kw["byweekno"] = v
    if rng.random() < (0.3 if coarse else 0.15):
        v = some(rng, list(range(24)), 3)
        parts.append("BYHOUR=" + ",".join(map(str, v)))
        kw["byhour"] = v
    if rng.random() < (0.3 if coarse or freq == "HOURLY" else 0.15):
        v = some(rng, list(range(60)), 3)
        parts.append("BYMINUTE=" + ",".join(map(str, v)))
        kw["byminute"] = v
    if freq in ("SECONDLY", "MINUTELY") and rng.random() < 0.2:
        v = some(rng, list(range(60)), 3)
        parts.append("BYSECOND=" + ",".join(map(str, v)))
        kw["bysecond"] = v
    if coarse and rng.random() < 0.15:
        v = some(rng, [p for p in range(-5, 6) if p], 2)
        parts.append("BYSETPOS=" + ",".join(map(str, v)))
        kw["bysetpos"] = v
    if rng.random() < 0.2:
        w = rng.randrange(7)
        parts.append("WKST=" + DAYS[w])
        kw["wkst"] = w
    count = until = None
    ending = rng.random()
    if ending < 0.25:
        count = rng.randint(1, 60)
        parts.append("COUNT=%d" % count)
    elif ending < 0.45:
        until = start + UNIT[freq] * interval * rng.randint(0, 80)
        until = until.replace(year=min(until.year, 9999))
        parts.append("UNTIL=" + stamp(until))
        kw["until"] = until
    offset = UNIT[freq] * interval * rng.randint(0, 400) + dt.timedelta(seconds=rng.randint(0, 3600))
    low = start + offset - dt.timedelta(seconds=rng.randint(0, 100))
    high = low + UNIT[freq] * interval * rng.randint(1, 40)
    return start, ";".join(parts), low, high, kw, count


class TooSlow(Exception):
    pass


def expected(start, low, high, kw, count):
    """DTSTART is always the first occurrence and counts as one (RFC 5545);
    dateutil gives it only when the rule does."""
    found = []
    rule_kw = dict(kw)
    if count is not None:
        rule_kw["count"] = count
        first = list(du.rrule(**dict(kw, count=1)))
        if not first or first[0] != start:
            rule_kw["count"] = count - 1
        if rule_kw["count"] == 0:
            return [start] if low <= start <= high else []
    for t in du.rrule(**rule_kw):
        if t > high:
            break
        if t >= low and t != start:
            found.append(t)
    if low <= start <= high:
        found.insert(0, start)
    return found


def main():
    probe = sys.argv[1]
    cases = int(sys.argv[2]) if len(sys.argv) > 2 else 400
    rng = random.Random(int(os.environ.get("ATTACK_SEED", "20261207")))
    signal.signal(signal.SIGALRM, lambda *_: (_ for _ in ()).throw(TooSlow()))
    rows = []
    while len(rows) < cases:
        start, rule, low, high, kw, count = random_case(rng)
        signal.alarm(3)
        try:
            want = expected(start, low, high, kw, count)
        except (TooSlow, TypeError, ValueError):
            continue  # dateutil walks an impossible rule to year 9999, or gives up on it
        finally:
            signal.alarm(0)
        rows.append((start, rule, low, high, want))
    given = "".join("%s %s %s %s\n" % (stamp(s), r, stamp(l), stamp(h)) for s, r, l, h, _ in rows)
    out = subprocess.run([probe], input=given, capture_output=True, text=True, timeout=300, check=True)
    lines = out.stdout.split("\n")
    failures = over = 0
    for (start, rule, low, high, want), got in zip(rows, lines):
        if got == "over-budget":
            over += 1
            continue
        want_text = " ".join(stamp(t) for t in want)
        if got.strip() != want_text:
            failures += 1
            if failures <= 10:
                print("MISMATCH DTSTART=%s RRULE:%s window %s..%s\n  dateutil: %s\n  ours:     %s"
                      % (stamp(start), rule, stamp(low), stamp(high), want_text, got.strip()))
    print("%d cases, %d mismatches, %d over budget" % (len(rows), failures, over))
    # A handful of rules may be too costly for one query; most must be followed.
    sys.exit(1 if failures or over > len(rows) // 50 else 0)


if __name__ == "__main__":
    main()
