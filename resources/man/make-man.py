#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Writes a manual page from a program's own --help and a page template.

    make-man.py PROGRAM VERSION TEMPLATE OUTPUT [--per-command]

The synopses, commands and options come from running PROGRAM --help in
English (and, with --per-command, PROGRAM COMMAND --help for each command
its help lists), so the page says what the program says; the template adds
what help does not (exit status, files, environment) and marks with
"@USAGE@" where the generated part goes, "@VERSION@" where the version.
An OUTPUT ending in .gz is compressed.
"""
import gzip
import os
import re
import subprocess
import sys

VERSION_MARK = "@VERSION@"


def run_help(program, words):
    env = dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="en",
               QT_QPA_PLATFORM="offscreen")
    result = subprocess.run([program, *words, "--help"], env=env, capture_output=True,
                            text=True, timeout=60)
    if result.returncode != 0:
        sys.exit(f"{program} {' '.join(words)} --help failed: {result.stderr}")
    return result.stdout


def roff(text):
    """Text safe for a filled roff line: backslashes and hyphens escaped, no
    control character at the start."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    if text.startswith((".", "'")):
        text = "\\&" + text
    return text


def synopsis_lines(help_text, program):
    """The usage lines of a help text, without "usage:" and without the
    program's name: "today [--json]"."""
    lines = []
    for line in help_text.splitlines():
        stripped = line.strip()
        if stripped.lower().startswith("usage:"):
            stripped = stripped[len("usage:"):].strip()
        if stripped.startswith(program + " ") or stripped == program:
            lines.append(stripped[len(program):].strip())
    return lines


def option_items(help_text):
    """(option, description) of every line that starts with an option,
    QCommandLineParser's layout and ours alike: "  --help     Shows ..."."""
    items = []
    for line in help_text.splitlines():
        match = re.match(r"^\s+(-[^ ].*?)(?:\s{2,}(.*))?$", line)
        if match:
            items.append([match.group(1), match.group(2) or ""])
        elif items and line.startswith("      ") and line.strip():
            items[-1][1] = (items[-1][1] + " " + line.strip()).strip()
    return items


def described_synopses(help_text, program):
    """(synopsis, description) pairs of a help text that puts each
    description on indented lines under its synopsis."""
    items = []
    for line in help_text.splitlines():
        stripped = line.strip()
        indent = len(line) - len(line.lstrip())
        if stripped.startswith(program + " ") or stripped == program:
            items.append([stripped[len(program):].strip(), ""])
        elif items and stripped and indent > 6 and not items[-1][1]:
            # A synopsis too long for one line goes on under itself.
            items[-1][0] += " " + stripped
        elif items and line.startswith("      ") and stripped:
            items[-1][1] = (items[-1][1] + " " + stripped).strip()
    return items


def prose(help_text):
    """The sentences of a help text: lines that are neither a usage line, a
    heading nor an indented item."""
    lines = []
    for line in help_text.splitlines():
        if not line.strip() or line.startswith(" ") or line.lower().startswith("usage:"):
            continue
        if line.rstrip().endswith(":"):
            continue
        lines.append(line.strip())
    return lines


def synopsis_block(program, synopsis):
    return f".B {program}\n{roff(synopsis)}\n" if synopsis else f".B {program}\n"


def generate(program_path, per_command):
    program = os.path.basename(program_path)
    main_help = run_help(program_path, [])
    commands = []
    if per_command:
        for line in synopsis_lines(main_help, program):
            word = line.split(" ", 1)[0]
            if word and not word.startswith(("[", "-")) and word not in commands:
                commands.append(word)
    out = [".SH SYNOPSIS"]
    if commands:
        # One entry per command, with the line that says what it does.
        out.append(synopsis_block(program, "[OPTION ...]").rstrip())
        out.append(".br")
        out.append(synopsis_block(program, "COMMAND [ARGUMENT ...] [OPTION ...]").rstrip())
        out.append(".SH DESCRIPTION")
        out.extend(f".PP\n{roff(line)}" for line in prose(main_help))
        out.append(".SH COMMANDS")
        for command in commands:
            text = run_help(program_path, [command])
            out.append(".PP")
            lines = synopsis_lines(text, program)
            for k, line in enumerate(lines):
                if k:
                    out.append(".br")
                out.append(synopsis_block(program, line).rstrip())
            out.append(".RS")
            out.extend(roff(line) for line in prose(text))
            out.append(".RE")
        options = option_items(main_help)
    else:
        described = described_synopses(main_help, program)
        if described:
            for k, (synopsis, _) in enumerate(described):
                if k:
                    out.append(".br")
                out.append(synopsis_block(program, synopsis).rstrip())
            out.append(".SH DESCRIPTION")
            out.extend(f".PP\n{roff(line)}" for line in prose(main_help))
            for synopsis, description in described:
                if description:
                    out.append(".PP")
                    out.append(synopsis_block(program, synopsis).rstrip())
                    out.append(".RS")
                    out.append(roff(description))
                    out.append(".RE")
        else:
            out.append(synopsis_block(program, "[OPTION ...]").rstrip())
            out.append(".SH DESCRIPTION")
            out.extend(f".PP\n{roff(line)}" for line in prose(main_help))
        options = option_items(main_help)
    if options:
        out.append(".SH OPTIONS")
        for option, description in options:
            out.append(".TP")
            out.append(f".B {roff(option)}")
            out.append(roff(description))
    return "\n".join(out) + "\n"


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    program, version, template, output, *flags = sys.argv[1:]
    with open(template, encoding="utf-8") as f:
        page = f.read()
    page = page.replace(VERSION_MARK, version)
    page = page.replace("@USAGE@\n", generate(program, "--per-command" in flags))
    data = page.encode("utf-8")
    if output.endswith(".gz"):
        # No name and no time in the header: the same page makes the same file.
        data = gzip.compress(data, compresslevel=9, mtime=0)
    with open(output, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
