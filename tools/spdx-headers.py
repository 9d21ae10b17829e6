#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Puts the licence identifier and the copyright line atop every source file.

Run it after adding files; --check changes nothing and lists the files that
lack the lines (exit 1 if any). A file that has them is left as it is, so
running it twice changes nothing.
"""
import subprocess
import sys
from pathlib import Path

LICENSE = "SPDX-License-Identifier: GPL-3.0-or-later"
COPYRIGHT = "Copyright (C) 2026 The Qamarly developers"


def comment_leader(path: Path):
    name = path.name
    if name.endswith((".cpp", ".h")):
        return "//"
    if name == "CMakeLists.txt" or name.endswith((".cmake", ".sh", ".py", ".cmake.in")):
        return "#"
    if path.parent.name == ".ci" or name.endswith((".fish", ".bash", ".zsh")):
        return "#"
    if name.startswith("_") and path.parent.name == "completions":
        return "#"
    return None


def with_header(text: str, leader: str) -> str:
    lines = text.splitlines(keepends=True)
    head = f"{leader} {LICENSE}\n{leader} {COPYRIGHT}\n"
    # A shebang, and zsh's #compdef tag, must stay the first line.
    if lines and (lines[0].startswith("#!") or lines[0].startswith("#compdef")):
        return lines[0] + head + "".join(lines[1:])
    return head + text


def main() -> int:
    root = Path(__file__).resolve().parent.parent
    check = "--check" in sys.argv[1:]
    listing = subprocess.run(["git", "ls-files"], cwd=root, capture_output=True, text=True)
    if listing.returncode != 0:
        print("not a git checkout: nothing to check")
        return 0
    names = listing.stdout.split("\n")
    missing = []
    for name in filter(None, names):
        path = root / name
        leader = comment_leader(Path(name))
        if leader is None or not path.is_file():
            continue
        text = path.read_text(encoding="utf-8")
        if LICENSE in "\n".join(text.splitlines()[:5]):
            continue
        missing.append(name)
        if not check:
            path.write_text(with_header(text, leader), encoding="utf-8")
    if check and missing:
        print("without a licence line (run tools/spdx-headers.py):", *missing, sep="\n  ",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
