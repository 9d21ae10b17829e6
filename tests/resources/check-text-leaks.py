#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Runs every command of both programs in every language Qamarly speaks and
fails on an English word in what they print: a word of the English tables
that the language's own tables do not use, and that is not a name the
command line keeps in English (commands, options, their values).

Usage: check-text-leaks.py SOURCE_DIR QAMARLY QAMARLY_WIDGET"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LOCALES = {'ar': 'ar_SA', 'id': 'id_ID', 'ur': 'ur_PK', 'bn': 'bn_BD', 'tr': 'tr_TR', 'fa': 'fa_IR',
           'ms': 'ms_MY', 'fr': 'fr_FR'}
# Words the command line keeps in every language: the program, its commands,
# options and their values, file formats and names.
NAMES = set('''qamarly widget today convert range month settings notifications occasions events help
version json ics years from calendar first weekday gregorian hijri set list add remove plan pending
reschedule refresh key value folder dir lang language screenshots simple complex small medium light
dark kind family appearance render timeline png file iso yyyy dd mm facebook vdirsyncer khal icalendar
umm qura true false uid title location notes start end zone repeat count until delete change edit
platform style geometry http https org'''.split())
# Whole words of any script; only those in plain Latin letters can be English.
WORD = re.compile(r'[^\W\d_]{3,}')


def words_of_tables(pattern, part):
    found = set()
    for path in glob.glob(pattern):
        for message in ET.parse(path).getroot().iter('message'):
            node = message.find(part)
            if node is not None:
                found.update(w.lower() for w in WORD.findall(''.join(node.itertext())))
    return found


def main():
    source, qamarly, widget = sys.argv[1:4]
    i18n = os.path.join(source, 'resources', 'i18n')
    english = words_of_tables(os.path.join(i18n, '*_en.ts'), 'source')
    runs = [
        (qamarly, ['--help']), (qamarly, ['today']), (qamarly, ['convert', '2026-12-05']),
        (qamarly, ['convert', '1448-06-14', '--from', 'hijri']), (qamarly, ['range', '2026-01-01', '2026-12-05']),
        (qamarly, ['month', '2026-12']), (qamarly, ['occasions']), (qamarly, ['settings']),
        (qamarly, ['convert', 'tomorrow']), (qamarly, ['range', '2026-01-01']), (qamarly, ['--frobnicate']),
        (qamarly, ['settings', 'set', 'adjustmentNumber', 'many']), (qamarly, ['month', '2026-13']),
        (widget, ['--help']), (widget, ['--kind', 'round']), (widget, ['render']),
    ]
    for command in ('today', 'convert', 'range', 'month', 'settings', 'notifications', 'occasions', 'events', 'import'):
        runs.append((qamarly, [command, '--help']))
    leaks = []
    with tempfile.TemporaryDirectory() as home:
        for language, locale in LOCALES.items():
            own = words_of_tables(os.path.join(i18n, f'*_{language}.ts'), 'translation')
            env = {k: v for k, v in os.environ.items() if not k.startswith('LC_') and k != 'LANGUAGE'}
            env.update(LANG=f'{locale}.UTF-8', TZ='Asia/Riyadh', XDG_CONFIG_HOME=home, XDG_DATA_HOME=home,
                       XDG_CACHE_HOME=home, XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM='offscreen', HOME=home)
            for program, args in runs:
                result = subprocess.run([program, *args], env=env, capture_output=True, text=True, timeout=60)
                text = result.stdout + result.stderr
                # Paths, addresses and the words of a synopsis are names.
                text = re.sub(r'(\S*/\S*|\[[^\]]*\]|--?[\w-]+|\b[A-Z_]{2,}\b|\w+=\S*)', ' ', text)
                for word in set(WORD.findall(text)):
                    if not word.isascii():
                        continue
                    lower = word.lower()
                    if lower in english and lower not in own and lower not in NAMES:
                        leaks.append(f'{language}: {os.path.basename(program)} {" ".join(args)}: "{word}"')
    for leak in sorted(set(leaks)):
        print(leak)
    print(f'{len(set(leaks))} English word(s) in other languages')
    return 1 if leaks else 0


if __name__ == '__main__':
    sys.exit(main())
