// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>

struct sqlite3;

namespace platform {

// Opens the SQLite database at `path` for reading and writing, creating its
// folder and the file, then runs `setup` (pragmas and schema) and a quick
// check. A file that is not a database, or one whose check still fails when
// looked at again, is moved aside (with its log) to "<path>.corrupt-<UTC
// time>" with one console line naming `what`, and a fresh one takes its
// place holding every row that could still be read from it: nothing is
// deleted. Returns SQLITE_OK with the handle in `out`, or the SQLite result
// code of the failure.
//
// The file itself is only ever read through SQLite: a plain open and close of
// it would drop the POSIX locks of every connection of this process.
int openSqliteFile(const QString &path, const char *setup, const QString &what, sqlite3 **out);

// True for the result codes that mean the file itself is damaged.
bool isSqliteCorruption(int resultCode);

// True when something other than a regular file (a FIFO, a socket, a device,
// a folder) is at `path`. Opening a FIFO blocks until a writer comes, so such
// a file is never opened; it counts as damaged.
bool isSpecialFile(const QString &path);

// Opens the database at `path` for reading without writing anything beside
// it, also where its folder cannot be written (then a WAL database cannot make
// its shared-memory file): directly if possible, else from a private copy of
// the file and its log, else as an unchangeable file (without its log).
// `*snapshot` is set when the handle does not see later changes (the last two
// cases). Returns SQLITE_OK with the handle in `out`, or the result code of
// the direct attempt.
int openSqliteForReading(const QString &path, sqlite3 **out, bool *snapshot = nullptr);

} // namespace platform
