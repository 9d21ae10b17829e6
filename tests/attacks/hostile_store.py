#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Stores that never finish an answer, on 127.0.0.1: one drips a byte every
fifth of a second (so no pause between bytes ever runs out), one sends a
chunked body without end. A dozen lookups at once, as after a dozen returns
to the window, must each end by their deadline, and the endless bodies must
be cut off at the cap as they arrive, not gathered in memory.

The probe runs under hard limits: a wall-clock timeout and an address-space
limit (ulimit -v), so a regression fails here instead of hanging CI or
taking the machine's memory.

usage: hostile_store.py ATTACK_PROBE
"""
import os
import http.server
import resource
import socketserver
import subprocess
import sys
import threading
import time

LOOKUPS = 12
DEADLINE_MS = 2000
# Qt, its network thread and twelve capped bodies fit well below this.
PEAK_RESIDENT_KB = 160 * 1024
ADDRESS_SPACE = 2 * 1024 * 1024 * 1024
WALL_SECONDS = 60


class Store(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        try:
            if self.path.startswith("/drip"):
                self.drip()
            else:
                self.endless()
        except (BrokenPipeError, ConnectionResetError):
            pass

    def drip(self):
        body = b'{"resultCount":1,"results":[' + b" " * 4000 + b"]}"
        self.send_response(200)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        for i in range(len(body)):
            self.wfile.write(body[i:i + 1])
            self.wfile.flush()
            time.sleep(0.2)

    def endless(self):
        self.send_response(200)
        self.send_header("Content-Type", "application/json")
        self.send_header("Transfer-Encoding", "chunked")
        self.end_headers()
        chunk = b"x" * 65536
        framed = b"%x\r\n" % len(chunk) + chunk + b"\r\n"
        self.wfile.write(b'15\r\n{"results":[],"pad":"\r\n')
        while True:
            self.wfile.write(framed)


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


def instrumented(program):
    """Sanitizer builds reserve terabytes of address space up front. Both
    GCC's (a linked library) and clang's (built in) name their entry point
    in the program."""
    with open(program, "rb") as binary:
        return b"__asan_init" in binary.read()


def limits(address_space):
    def apply():
        if address_space:
            resource.setrlimit(resource.RLIMIT_AS, (address_space, address_space))
    return apply


def main():
    probe = sys.argv[1]
    sanitized = instrumented(probe)
    server = Server(("127.0.0.1", 0), Store)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    base = f"http://127.0.0.1:{server.server_address[1]}"
    failures = []
    for name, path, expected in (("dripping store", "/drip", "error: "),
                                 ("endless chunked body", "/endless", "error: the response is larger")):
        started = time.monotonic()
        try:
            run = subprocess.run([probe, "fetch", base + path, str(DEADLINE_MS), str(LOOKUPS)],
                                 capture_output=True, text=True, timeout=WALL_SECONDS,
                                 preexec_fn=limits(None if sanitized else ADDRESS_SPACE),
                                 # What Qt keeps of a reply stopped at the cap is looked into
                                 # apart; this run judges time and memory.
                                 env=dict(os.environ, ASAN_OPTIONS="detect_leaks=0") if sanitized else None)
        except subprocess.TimeoutExpired:
            failures.append(f"{name}: the lookups were still running after {WALL_SECONDS} s")
            continue
        took = time.monotonic() - started
        lines = run.stdout.splitlines()
        answers = [l for l in lines if l.startswith(("error: ", "status "))]
        if run.returncode != 0:
            failures.append(f"{name}: the probe ended with status {run.returncode}: {run.stderr[-500:]}")
            continue
        if len(answers) != LOOKUPS or not all(a.startswith(expected) for a in answers):
            failures.append(f"{name}: answers {answers[:3]}... (expected {LOOKUPS} starting {expected!r})")
        # Every lookup began at once, so all end near the one deadline.
        if took > DEADLINE_MS / 1000 + 8:
            failures.append(f"{name}: took {took:.1f} s with a deadline of {DEADLINE_MS} ms")
        peak = next((int(l.split()[1]) for l in lines if l.startswith("peak-kb ")), -1)
        if not sanitized and not 0 < peak < PEAK_RESIDENT_KB:
            failures.append(f"{name}: peak resident memory {peak} KiB (limit {PEAK_RESIDENT_KB})")
        print(f"{name}: {len(answers)} lookups ended in {took:.1f} s, peak {peak} KiB")
    server.shutdown()
    for f in failures:
        print("FAIL:", f, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
