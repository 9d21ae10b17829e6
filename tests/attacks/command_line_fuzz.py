#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Seeded fuzzing of both programs' command lines. Whatever the arguments, a
program must end on its own within the time limit, by exit status 0, 1 or 2
(never a signal); a refusal is one line on stderr and nothing on stdout; and
nothing the user typed reaches the terminal as a control character.

usage: command_line_fuzz.py QAMARLY QAMARLY_WIDGET [CASES] [SEED]
"""
import concurrent.futures
import os
import random
import subprocess
import sys
import tempfile

TIMEOUT = 60

TOKENS = [
    "--json", "--from", "--calendar", "--at", "--scale", "--kind", "--family", "--appearance", "-o",
    "--output", "--help", "-h", "--version", "--", "-", "=", "--kind=", "--scale=nan", "--from=hijri",
    "hijri", "gregorian", "julian", "simple", "complex", "small", "medium", "large", "light", "dark",
    "set", "plan", "pending", "adjustmentNumber", "wallpaperIndex", "dailyNotificationEnabled",
    "todayAppBadgeEnabled", "colour", "true", "false", "maybe",
    "0", "1", "-1", "29", "365", "-366", "2147483648", "-2147483649", "9223372036854775807",
    "-9223372036854775808", "99999999999999999999", "1.5", "nan", "-nan", "inf", "1e400", "0x10", "",
    "2026-02-30", "2026-06-16", "1447-09-01", "1447-08-30", "0000-01-01", "-0001-12-31",
    "9999999999-01-01", "2026-13-01", "2026-03-29T01:30:00+01:00", "2026-12-05T09:30:00Z", "yesterday",
    "\x1b[2J", "\x1b]0;title\x07", "a\nb", "\r", "\t", "\u202e", "\x7f", "\u0085", "ﷺ", "١٤٤٧-٠٩-٠١",
    "x" * 5000,
]
FIRST_QAMARLY = ["today", "convert", "range", "settings", "occasions", "notifications", "frobnicate",
                 "help", "\x1bx", "TODAY"]
FIRST_WIDGET = ["timeline", "render", "help", "frobnicate", "\x1b[31m"]


def random_word(rng):
    if rng.random() < 0.7:
        return rng.choice(TOKENS)
    alphabet = "abc-=:+./0123456789T\x01\x1b\x7f\u00e9\u0645 "
    return "".join(rng.choice(alphabet) for _ in range(rng.randint(0, 12)))


def make_case(rng, qamarly, widget, out_dir, n):
    if rng.random() < 0.5:
        args = [qamarly, rng.choice(FIRST_QAMARLY)]
    else:
        args = [widget, rng.choice(FIRST_WIDGET)]
    for _ in range(rng.randint(0, 6)):
        args.append(random_word(rng))
    # Give render somewhere to write now and then, so it gets past the checks.
    if args[1] == "render" and rng.random() < 0.5:
        args += ["-o", os.path.join(out_dir, f"{n}.png")]
    # Notifications that would really be rescheduled wait on the agent: keep to reads.
    if args[1] == "notifications" and len(args) > 2 and args[2] not in ("plan", "pending"):
        args[2] = "plan"
    return args


def check(args, env):
    shown = " ".join(repr(a) for a in args[1:])
    try:
        proc = subprocess.run(args, env=env, capture_output=True, timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        return f"hang: {shown}"
    err = proc.stderr.decode("utf-8", "replace")
    out = proc.stdout.decode("utf-8", "replace")
    if "runtime error:" in err or "Sanitizer" in err:
        return f"sanitizer report: {shown}\n{err}"
    if proc.returncode not in (0, 1, 2):
        return f"status {proc.returncode}: {shown}\n{err}"
    body = err[:-1] if err.endswith("\n") else err
    if any((ord(c) < 0x20 and c != "\n") or 0x7f <= ord(c) < 0xa0 for c in body):
        return f"raw control character on stderr: {shown}\n{err!r}"
    if proc.returncode != 0:
        if err.count("\n") != 1 or not err.endswith("\n"):
            return f"status {proc.returncode} with {err.count(chr(10))} lines on stderr: {shown}\n{err}"
        if out:
            return f"status {proc.returncode} with output: {shown}"
    return None


def main():
    qamarly, widget = sys.argv[1], sys.argv[2]
    cases = int(sys.argv[3]) if len(sys.argv) > 3 else 1500
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else 20261207
    rng = random.Random(seed)
    with tempfile.TemporaryDirectory() as home:
        runtime = os.path.join(home, "runtime")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home, XDG_CACHE_HOME=home,
                   XDG_RUNTIME_DIR=runtime, TZ="Asia/Riyadh", LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8",
                   QT_QPA_PLATFORM="offscreen")
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        jobs = [make_case(rng, qamarly, widget, home, n) for n in range(cases)]
        with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
            failures = [f for f in pool.map(lambda a: check(a, env), jobs) if f]
    for f in failures:
        print(f)
    print(f"{cases} command lines (seed {seed}), {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
