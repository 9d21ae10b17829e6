#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""The window writes nothing on stdout, which belongs to the command line, and
its diagnostic lines stay quiet unless QT_LOGGING_RULES turns them on. The
window runs offscreen for a few seconds over a calendar folder with an event
today, once with the default rules and once with every qamarly debug line on.

usage: quiet_window.py QAMARLY
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

DEBUG_LINES = ["Selected Date", "Access granted", "Access to store not granted", "change page to",
               "will send data to watch"]
failures = []


def stop_agent(config_home):
    """The window starts the notification agent, which outlives it by design."""
    lock = os.path.join(config_home, "qamarly", "qamarly-notifyd.lock")
    deadline = time.monotonic() + 3
    while time.monotonic() < deadline:
        try:
            with open(lock) as f:
                os.kill(int(f.readline()), signal.SIGTERM)
            return
        except (OSError, ValueError):
            time.sleep(0.2)


def run_window(qamarly, env, seconds=4):
    # Files rather than pipes: the agent the window starts inherits them.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        process = subprocess.Popen([qamarly], env=env, stdout=out, stderr=err)
        time.sleep(seconds)
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        stop_agent(env["XDG_CONFIG_HOME"])
        out.seek(0)
        err.seek(0)
        return out.read().decode(errors="replace"), err.read().decode(errors="replace")


def main():
    qamarly = sys.argv[1]
    with tempfile.TemporaryDirectory() as home:
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_LOGGING_RULES")}
        env.update(LC_ALL="en_US.UTF-8", TZ="Asia/Riyadh", HOME=home, QT_QPA_PLATFORM="offscreen",
                   XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"), XDG_RUNTIME_DIR=os.path.join(home, "run"))
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        folder = os.path.join(env["XDG_DATA_HOME"], "qamarly", "calendars", "home")
        os.makedirs(folder)
        today = time.strftime("%Y%m%d")
        with open(os.path.join(folder, "today.ics"), "w") as ics:
            ics.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:today\r\n"
                      f"DTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:{today}\r\nSUMMARY:Today\r\n"
                      "END:VEVENT\r\nEND:VCALENDAR\r\n")
        out, err = run_window(qamarly, env)
        if out:
            failures.append("the window wrote on stdout: " + out[:500])
        for line in DEBUG_LINES:
            if line in err:
                failures.append(f"a debug line on stderr without being asked for: {line}")
        out, _ = run_window(qamarly, dict(env, QT_LOGGING_RULES="qamarly.*.debug=true"))
        if out:
            failures.append("with debug lines on, the window wrote on stdout: " + out[:500])
    for failure in failures:
        print(failure)
    print("ok" if not failures else f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
