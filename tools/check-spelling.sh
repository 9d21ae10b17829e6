#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Spelling of comments, strings and documents. The few names that are spelled
# unusually on purpose (outlets the screens are known by) are listed in
# tools/codespell-ignore.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files | grep -v -E '\.(png|jpg|svg|ico|ts|qm)$')
codespell --ignore-words tools/codespell-ignore.txt "${files[@]}"
echo "spelling: ${#files[@]} files checked"
