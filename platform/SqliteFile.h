#pragma once

#include <QString>

struct sqlite3;

namespace platform {

// Opens the SQLite database at `path` for reading and writing, creating its
// folder and the file, then runs `setup` (pragmas and schema) and a quick
// check. A file that is not a database, or a corrupt one, is moved aside to
// "<path>.corrupt-<UTC time>" with one console line naming `what`, and a fresh
// one takes its place: nothing is deleted. Returns SQLITE_OK with the handle
// in `out`, or the SQLite result code of the failure.
int openSqliteFile(const QString &path, const char *setup, const QString &what, sqlite3 **out);

// True for the result codes that mean the file itself is damaged.
bool isSqliteCorruption(int resultCode);

} // namespace platform
