#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Every string table exists in every language Qamarly speaks, with every
text of the English table translated, no entry left unfinished, the
placeholders of the English text kept, and as many plural forms as Qt's
rules for the language ask for. The launcher entry and the metainfo carry
their names in every language too."""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET

LANGUAGES = ['ar', 'id', 'ur', 'bn', 'tr', 'fa', 'ms', 'fr']
# Qt's numerus rules: how many forms a plural text takes in each language.
PLURAL_FORMS = {'en': 2, 'ar': 6, 'id': 1, 'ms': 1, 'tr': 1, 'fa': 1, 'ur': 2, 'bn': 2, 'fr': 2}
PLACEHOLDER = re.compile(r'%(?:[1-9n]|@)')

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..')
i18n = os.path.join(root, 'resources', 'i18n')
problems = []


def messages(path):
    tree = ET.parse(path).getroot()
    found = {}
    for m in tree.iter('message'):
        translation = m.find('translation')
        forms = [''.join(f.itertext()) for f in translation.findall('numerusform')]
        found[m.get('id')] = {
            'source': m.findtext('source') or '',
            'numerus': m.get('numerus') == 'yes',
            'forms': forms if forms else [''.join(translation.itertext())],
            'state': translation.get('type'),
        }
    return tree.get('language'), found


def placeholders(text):
    # A plural's %n and the %1 the program fills in with local digits are one number.
    return sorted(p.replace('%n', '%1') for p in PLACEHOLDER.findall(text))


def check(table, language, english, path):
    if not os.path.exists(path):
        problems.append(f'{os.path.basename(path)}: missing')
        return
    declared, found = messages(path)
    if declared != language:
        problems.append(f'{os.path.basename(path)}: says it is "{declared}"')
    for key, source in english.items():
        where = f'{os.path.basename(path)}: {key}'
        entry = found.get(key)
        if entry is None:
            problems.append(f'{where}: not translated')
            continue
        if entry['state'] in ('unfinished', 'vanished', 'obsolete'):
            problems.append(f'{where}: {entry["state"]}')
        forms = entry['forms']
        if any(not f.strip() for f in forms):
            problems.append(f'{where}: empty')
        wanted = placeholders(source['source'])
        if source['numerus']:
            if len(forms) != PLURAL_FORMS[language]:
                problems.append(f'{where}: {len(forms)} plural forms, {language} has {PLURAL_FORMS[language]}')
            # Forms for one or two may name the number in words; the general one keeps it.
            if placeholders(forms[-1]) != wanted:
                problems.append(f'{where}: placeholders {placeholders(forms[-1])}, not {wanted}')
            for form in forms:
                if not set(placeholders(form)) <= set(wanted):
                    problems.append(f'{where}: "{form}" has a placeholder the text has not')
        elif placeholders(forms[0]) != wanted:
            problems.append(f'{where}: placeholders {placeholders(forms[0])}, not {wanted}')


for english_path in sorted(glob.glob(os.path.join(i18n, '*_en.ts'))):
    table = os.path.basename(english_path)[:-len('_en.ts')]
    english = messages(english_path)[1]
    for language in LANGUAGES:
        check(table, language, english, os.path.join(i18n, f'{table}_{language}.ts'))
for english_path in sorted(glob.glob(os.path.join(i18n, '*-en.ts'))):
    table = os.path.basename(english_path)[:-len('-en.ts')]
    english = messages(english_path)[1]
    for language in LANGUAGES:
        check(table, language, english, os.path.join(i18n, f'{table}-{language}.ts'))

desktop = os.path.join(root, 'resources', 'desktop')
entry = open(os.path.join(desktop, 'org.qamarly.Qamarly.desktop'), encoding='utf-8').read()
for key in re.findall(r'^(Name|GenericName|Comment|Keywords)=', entry, re.M):
    for language in LANGUAGES:
        if f'\n{key}[{language}]=' not in entry:
            problems.append(f'launcher entry: {key}[{language}] missing')
for key in ('Name', 'GenericName', 'Comment', 'Keywords'):
    count = len(re.findall(rf'^{key}=', entry, re.M))
    for language in LANGUAGES:
        if len(re.findall(rf'^{key}\[{language}\]=', entry, re.M)) != count:
            problems.append(f'launcher entry: not every {key} has a {language} text')
metainfo = ET.parse(os.path.join(desktop, 'org.qamarly.Qamarly.metainfo.xml')).getroot()
lang_attr = '{http://www.w3.org/XML/1998/namespace}lang'
for tag in ('name', 'summary', 'description/p', 'screenshots/screenshot/caption', 'keywords/keyword'):
    plain = [e for e in metainfo.findall(tag) if e.get(lang_attr) is None]
    for language in LANGUAGES:
        translated = [e for e in metainfo.findall(tag) if e.get(lang_attr) == language]
        if len(translated) != len(plain):
            problems.append(f'metainfo: {len(translated)} of {len(plain)} <{tag}> in {language}')

for problem in problems:
    print(problem)
print(f'{len(problems)} problem(s)')
sys.exit(1 if problems else 0)
