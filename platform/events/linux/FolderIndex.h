// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/linux/ICalendarFile.h"

#include <QByteArray>
#include <QHashFunctions>
#include <QString>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

namespace platform::ical {

// What tells a file's content apart without reading it: a write changes its
// change time (which no program can set back), a swap its inode.
struct FileStamp
{
    qint64 size = -1;
    qint64 changedNs = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp &) const = default;
};

// A file of a calendar folder: its name as the file system has it, and its stamp.
struct FolderFile
{
    QByteArray name;
    FileStamp stamp;
};
// The calendar files of `folder` as they are now (regular files, or links to
// them, ending in .ics and not hidden), in the order the folder lists them;
// `hasLinks` says whether any entry is, or may be, a link. `expected` is
// about how many there were last time.
std::vector<FolderFile> calendarFiles(const QString &folder, bool *hasLinks = nullptr,
                                      std::size_t expected = 0);

// Runs work(from, to) over [0, count) in as many slices as the cores allow,
// none smaller than `perThread`, and returns when all are done.
void inParallel(std::size_t count, std::size_t perThread,
                const std::function<void(std::size_t, std::size_t)> &work);
// Runs work(i) for each i in [0, count), side by side on as many threads as
// the cores allow, each taking the next i when done with its last.
void eachInParallel(std::size_t count, const std::function<void(std::size_t)> &work);

struct NameHash
{
    std::size_t operator()(const QByteArray &name) const { return qHash(name); }
};

// A calendar folder's files as they were last read: each file's stamp and
// the span of its events, kept in the cache folder between runs so that a
// query reads only the files whose events may fall in it. It is a hint, never
// the truth: an entry counts only while its file's stamp is unchanged, and an
// index that is damaged, of another format or of another folder reads as
// empty, so every file is read again.
namespace folderindex {

struct Entry
{
    FileStamp stamp;
    FileSpan span;
    // Only for files whose events repeat through a long span.
    std::shared_ptr<const StartDays> days;
};
// With the file's name within the folder.
using Entries = std::vector<std::pair<QByteArray, Entry>>;

// Where the index of `folder` is kept: under $XDG_CACHE_HOME/qamarly.
QString pathFor(const QString &folder);
Entries load(const QString &folder);
// The same, handed entry by entry to `add` after `reserve` was told how many
// there are and how many bytes their names take at most; false when the
// index is missing or cannot be trusted, after which whatever was added must
// be dropped. A name lasts only for its call.
using Reserve = std::function<void(std::size_t count, qsizetype nameBytes)>;
using Add = std::function<void(QByteArrayView name, const Entry &entry)>;
bool load(const QString &folder, const Reserve &reserve, const Add &add);
// The index's bytes; written whole beside the old one and renamed over it,
// so a reader sees the old index or the new, never half of one.
QByteArray encode(const QString &folder, const Entries &entries);
std::optional<Entries> decode(const QString &folder, const QByteArray &data);
bool save(const QString &folder, const QByteArray &encoded);

} // namespace folderindex

} // namespace platform::ical
