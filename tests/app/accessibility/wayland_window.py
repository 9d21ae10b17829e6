#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Opens the main window under a Wayland compositor (weston's headless
backend, started here with a socket of its own) and checks that it comes up
at the asked size and draws its calendar.

Usage: wayland_window.py HOST LOCALE
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time


def main():
    host, locale = sys.argv[1], sys.argv[2]
    if not shutil.which("weston"):
        print("skipped: weston is not installed")
        return 77
    runtime = tempfile.mkdtemp(prefix="qamarly-wayland-")
    os.chmod(runtime, 0o700)
    socket = "qamarly-test"
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=runtime)
    env.pop("DISPLAY", None)
    compositor = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=" + socket,
                                   "--width=1366", "--height=768", "--idle-time=0"],
                                  env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = time.monotonic() + 20
        while not os.path.exists(os.path.join(runtime, socket)):
            if time.monotonic() > deadline or compositor.poll() is not None:
                print("weston did not start")
                return 1
            time.sleep(0.1)
        image = os.path.join(runtime, "window.png")
        window_env = dict(env, WAYLAND_DISPLAY=socket, QT_QPA_PLATFORM="wayland", LC_ALL=locale + ".UTF-8")
        # Mesa's EGL driver is built without frame pointers: under the
        # sanitizers only the slow unwinder sees that a leak is the driver's.
        if "ASAN_OPTIONS" in env:
            window_env["ASAN_OPTIONS"] = env["ASAN_OPTIONS"] + ":fast_unwind_on_malloc=0"
        result = subprocess.run([host, locale, "1366x700", "0", image], env=window_env, timeout=60,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if result.returncode != 0 or not os.path.exists(image):
            print("the window did not come up under Wayland:\n" + result.stderr)
            return 1
        with open(image, "rb") as png:
            header = png.read(24)
        width = int.from_bytes(header[16:20], "big")
        height = int.from_bytes(header[20:24], "big")
        if (width, height) != (1366, 700):
            print("the window is %dx%d, not 1366x700" % (width, height))
            return 1
        if os.path.getsize(image) < 20000:
            print("the window drew next to nothing (%d bytes)" % os.path.getsize(image))
            return 1
        return 0
    finally:
        compositor.terminate()
        try:
            compositor.wait(timeout=5)
        except subprocess.TimeoutExpired:
            compositor.kill()
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
