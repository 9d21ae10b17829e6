#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Checks that the source folders form a graph without cycles.

A folder is the nearest one holding a CMakeLists.txt (the folder of the target
that builds a file). Between top folders an include runs only downward:
platform <- core <- components <- app, widget. No two folders may reach each
other through includes, nothing outside a testing/ folder includes a test
double, and no CMakeLists.txt builds a source from a folder above its own.
Prints every offence and exits with 1 when there is one.

Usage: check-layout.py [source root]   (default: the folder above this script)
"""
import os
import re
import sys

# Rank of each top folder: an include may only name a folder of lower rank
# (or its own top folder).
RANKS = {"platform": 0, "core": 1, "components": 2, "app": 3, "widget": 3}
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
FOREIGN_SOURCE = re.compile(r'(?<![\w/$}])\.\./[\w./]*\.(?:cpp|cc|h|hpp)\b')


def unit_of(root, path):
    """The nearest folder of `path` (relative to root) with a CMakeLists.txt."""
    folder = os.path.dirname(path)
    while folder and not os.path.exists(os.path.join(root, folder, "CMakeLists.txt")):
        folder = os.path.dirname(folder)
    return folder or os.path.dirname(path)


def resolve(root, source, name):
    """The file an include names: beside the source first, then from the root."""
    beside = os.path.normpath(os.path.join(os.path.dirname(source), name))
    if os.path.isfile(os.path.join(root, beside)):
        return beside
    if os.path.isfile(os.path.join(root, name)):
        return os.path.normpath(name)
    return None  # generated (ui_*.h, moc) or a system header in quotes


def strongly_connected(graph):
    """Tarjan's algorithm; returns the components with more than one folder."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for nxt in graph.get(node, ()):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    problems = []
    graph = {}
    witness = {}  # (from unit, to unit) -> first include seen, for the message
    for top in RANKS:
        for folder, _, files in os.walk(os.path.join(root, top)):
            if "CMakeLists.txt" in files:
                lists = os.path.relpath(os.path.join(folder, "CMakeLists.txt"), root)
                with open(os.path.join(root, lists), encoding="utf-8") as text:
                    for number, line in enumerate(text, 1):
                        for source in FOREIGN_SOURCE.findall(line.split("#")[0]):
                            problems.append(f"{lists}:{number}: builds {source}, which lives in another folder")
            for file in sorted(files):
                if not file.endswith(SOURCE_SUFFIXES):
                    continue
                source = os.path.relpath(os.path.join(folder, file), root)
                with open(os.path.join(root, source), encoding="utf-8", errors="replace") as text:
                    lines = text.readlines()
                for number, line in enumerate(lines, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = resolve(root, source, match.group(1))
                    if target is None:
                        continue
                    where = f"{source}:{number}: includes {target}"
                    target_top = target.split(os.sep)[0]
                    if target_top not in RANKS:
                        problems.append(f"{where} (outside the source folders)")
                        continue
                    if target_top != top and RANKS[target_top] >= RANKS[top]:
                        problems.append(f"{where} ({top} may not include {target_top})")
                    in_testing = "testing" in source.split(os.sep)
                    if "testing" in target.split(os.sep) and not in_testing:
                        problems.append(f"{where} (a test double in shipped code)")
                    a, b = unit_of(root, source), unit_of(root, target)
                    if a != b:
                        graph.setdefault(a, set()).add(b)
                        witness.setdefault((a, b), where)
    for component in strongly_connected(graph):
        problems.append("folders include each other: " + " <-> ".join(component))
        for a in component:
            for b in component:
                if (a, b) in witness:
                    problems.append("  " + witness[(a, b)])
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
