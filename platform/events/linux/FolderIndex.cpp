// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/FolderIndex.h"

#include "platform/system/Logging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace platform::ical {

namespace {

FileStamp stampFrom(const struct stat &info)
{
    constexpr qint64 nsPerSecond = 1'000'000'000;
    // The modification time says nothing more: any program may set it back.
    return FileStamp{static_cast<qint64>(info.st_size),
                     static_cast<qint64>(info.st_ctim.tv_sec) * nsPerSecond + info.st_ctim.tv_nsec,
                     static_cast<quint64>(info.st_ino)};
}

// Below this many files one thread stats them sooner than two can start.
constexpr std::size_t filesPerThread = 8192;

// Stats `files` relative to `fd`, marking as gone those that are not regular
// files (or links to them). Most of a big folder's check is this system call,
// so the work is shared among the cores.
void stampAll(int fd, std::vector<FolderFile> &files, std::vector<char> &regular)
{
    inParallel(files.size(), filesPerThread, [fd, &files, &regular](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            struct stat info
            {
            };
            // Links are followed: a link to a calendar file is one.
            regular[i] = ::fstatat(fd, files[i].name.constData(), &info, 0) == 0 && S_ISREG(info.st_mode);
            if (regular[i])
                files[i].stamp = stampFrom(info);
        }
    });
}

} // namespace

namespace {

// Runs work(t) for t in [0, threads), t = 0 on the calling thread; returns
// when all are done.
void onThreads(std::size_t threads, const std::function<void(std::size_t)> &work)
{
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(work, t);
        } catch (const std::system_error &) {
            // No thread to be had: the ones there are do the rest.
            break;
        }
    }
    work(0);
    for (std::thread &helper : helpers)
        helper.join();
}

std::size_t threadsFor(std::size_t count, std::size_t perThread)
{
    const std::size_t cores = std::max(1U, std::thread::hardware_concurrency());
    return std::min<std::size_t>({cores, 4, count / std::max<std::size_t>(perThread, 1) + 1});
}

} // namespace

void inParallel(std::size_t count, std::size_t perThread,
                const std::function<void(std::size_t, std::size_t)> &work)
{
    // Slices are taken, not handed out, so a thread that could not start
    // leaves its slice to the others.
    const std::size_t threads = threadsFor(count, perThread);
    const std::size_t share = count / threads;
    std::atomic<std::size_t> next = 0;
    onThreads(threads, [&](std::size_t) {
        for (std::size_t t; (t = next++) < threads;)
            work(t * share, t + 1 == threads ? count : (t + 1) * share);
    });
}

void eachInParallel(std::size_t count, const std::function<void(std::size_t)> &work)
{
    std::atomic<std::size_t> next = 0;
    onThreads(std::min(threadsFor(count, 1), count), [&](std::size_t) {
        for (std::size_t i; (i = next++) < count;)
            work(i);
    });
}

std::vector<FolderFile> calendarFiles(const QString &folder, bool *hasLinks, std::size_t expected)
{
    std::vector<FolderFile> files;
    // Growing a big listing step by step would touch twice its memory.
    files.reserve(expected + expected / 16);
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return files;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.starts_with('.') || !name.ends_with(".ics"))
            continue;
        if (hasLinks && entry->d_type != DT_REG)
            *hasLinks = true;
        files.push_back({QByteArray(name.data(), static_cast<qsizetype>(name.size())), {}});
    }
    // Names are looked up in the folder itself, not from the root each time.
    std::vector<char> regular(files.size());
    stampAll(::dirfd(dir), files, regular);
    ::closedir(dir);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (regular[i])
            files[kept++] = std::move(files[i]);
    }
    files.resize(kept);
    return files;
}

namespace folderindex {

namespace {

// Changes whenever the layout or the meaning of a span does.
constexpr char magic[8] = {'Q', 'M', 'L', 'Y', 'I', 'D', 'X', '3'};
// Far above any calendar's index (about 90 bytes a file).
constexpr qint64 largestIndex = 1024LL * 1024 * 1024;
constexpr qsizetype checksumSize = 8;

// Damage, not tampering, is what the sum is for: whoever can write the cache
// folder can write the calendars too.
quint64 checksum(const char *data, qsizetype size)
{
    return std::hash<std::string_view>{}(std::string_view(data, static_cast<std::size_t>(size)));
}

template <typename T> void put(QByteArray &out, T value)
{
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

void putBytes(QByteArray &out, const QByteArray &bytes)
{
    put<quint32>(out, static_cast<quint32>(bytes.size()));
    out.append(bytes);
}

// Reads the encoded fields in order; any read past the end fails them all.
class Reader
{
public:
    Reader(const char *data, qsizetype size) : at_(data), end_(data + size) {}

    template <typename T> bool get(T &value)
    {
        if (end_ - at_ < static_cast<qsizetype>(sizeof value))
            return false;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return true;
    }

    bool getBytes(QByteArrayView &bytes)
    {
        quint32 size = 0;
        if (!get(size) || end_ - at_ < static_cast<qsizetype>(size))
            return false;
        bytes = QByteArrayView(at_, size);
        at_ += size;
        return true;
    }

    bool atEnd() const { return at_ == end_; }

private:
    const char *at_;
    const char *end_;
};

// Start days that could hide an event, if believed, are a damaged index.
bool getStartDays(Reader &reader, std::shared_ptr<const StartDays> &out)
{
    quint8 present = 0;
    if (!reader.get(present) || present > 1)
        return false;
    if (!present)
        return true;
    auto days = std::make_shared<StartDays>();
    quint32 count = 0;
    if (!reader.get(days->from) || !reader.get(days->to) || !reader.get(days->longest) ||
        !reader.get(count) || count > maximumStartDays || days->from > days->to || days->longest < 0)
        return false;
    days->days.resize(count);
    for (std::int64_t &day : days->days) {
        if (!reader.get(day) || day < days->from || day > days->to ||
            (&day != days->days.data() && day <= *(&day - 1)))
            return false;
    }
    out = std::move(days);
    return true;
}

// A name no folder can hold is a damaged index.
bool isFileName(QByteArrayView name)
{
    const auto size = static_cast<std::size_t>(name.size());
    return size > 0 && !std::memchr(name.data(), '\0', size) && !std::memchr(name.data(), '/', size);
}

bool getEntry(Reader &reader, QByteArrayView &name, Entry &entry)
{
    FileStamp &s = entry.stamp;
    return reader.getBytes(name) && isFileName(name) && reader.get(s.size) && reader.get(s.changedNs) &&
           reader.get(s.inode) && reader.get(entry.span.first) && reader.get(entry.span.last) &&
           getStartDays(reader, entry.days);
}

} // namespace

QString pathFor(const QString &folder)
{
    const QByteArray key = QCryptographicHash::hash(QFile::encodeName(folder), QCryptographicHash::Sha256);
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/qamarly/event-index/") + QString::fromLatin1(key.toHex().left(32));
}

QByteArray encode(const QString &folder, const Entries &entries)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(entries.size()) * 90 + 64);
    out.append(magic, sizeof magic);
    putBytes(out, QFile::encodeName(folder));
    put<quint64>(out, entries.size());
    for (const auto &[name, entry] : entries) {
        putBytes(out, name);
        put(out, entry.stamp.size);
        put(out, entry.stamp.changedNs);
        put(out, entry.stamp.inode);
        put(out, entry.span.first);
        put(out, entry.span.last);
        put<quint8>(out, entry.days ? 1 : 0);
        if (entry.days) {
            put(out, entry.days->from);
            put(out, entry.days->to);
            put(out, entry.days->longest);
            put<quint32>(out, static_cast<quint32>(entry.days->days.size()));
            for (const std::int64_t day : entry.days->days)
                put(out, day);
        }
    }
    put<quint64>(out, checksum(out.constData(), out.size()));
    return out;
}

namespace {

Reserve reserveIn(Entries &entries)
{
    return [&entries](std::size_t count, qsizetype) { entries.reserve(count); };
}

Add addTo(Entries &entries)
{
    return [&entries](QByteArrayView name, const Entry &entry) {
        entries.emplace_back(name.toByteArray(), entry);
    };
}

bool decodeInto(const QString &folder, const char *data, qsizetype size, const Reserve &reserve,
                const Add &add)
{
    const qsizetype body = size - checksumSize;
    if (body < static_cast<qsizetype>(sizeof magic) || std::memcmp(data, magic, sizeof magic) != 0)
        return false;
    quint64 sum = 0;
    std::memcpy(&sum, data + body, sizeof sum);
    if (sum != checksum(data, body))
        return false;
    Reader reader(data + sizeof magic, body - static_cast<qsizetype>(sizeof magic));
    QByteArrayView owner;
    quint64 count = 0;
    // Another folder's index (the same name by chance, or copied) is not ours.
    if (!reader.getBytes(owner) || owner != QFile::encodeName(folder) || !reader.get(count))
        return false;
    // A count the bytes cannot hold is a lie; it is found out below.
    reserve(static_cast<std::size_t>(std::min<quint64>(count, static_cast<quint64>(size / 64))), size);
    QByteArrayView name;
    for (quint64 i = 0; i < count; ++i) {
        Entry entry;
        if (!getEntry(reader, name, entry))
            return false;
        add(name, entry);
    }
    return reader.atEnd();
}

// The index mapped rather than read: a big calendar's index is megabytes,
// and only its pages already in memory are wanted.
class MappedFile
{
public:
    explicit MappedFile(const QString &path)
    {
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return;
        struct stat info
        {
        };
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
            info.st_size <= largestIndex) {
            void *mapped =
                ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (mapped != MAP_FAILED) {
                data_ = static_cast<const char *>(mapped);
                size_ = static_cast<qsizetype>(info.st_size);
            }
        }
        ::close(fd);
    }
    ~MappedFile()
    {
        if (data_)
            ::munmap(const_cast<char *>(data_), static_cast<std::size_t>(size_));
    }
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;
    const char *data() const { return data_; }
    qsizetype size() const { return size_; }

private:
    const char *data_ = nullptr;
    qsizetype size_ = 0;
};

} // namespace

std::optional<Entries> decode(const QString &folder, const QByteArray &data)
{
    Entries entries;
    if (!decodeInto(folder, data.constData(), data.size(), reserveIn(entries), addTo(entries)))
        return std::nullopt;
    return entries;
}

bool load(const QString &folder, const Reserve &reserve, const Add &add)
{
    const MappedFile index(pathFor(folder));
    if (!index.data())
        return false;
    if (!decodeInto(folder, index.data(), index.size(), reserve, add)) {
        qCDebug(lcEvents, "The event index of %s is unreadable, reading every file again",
                qUtf8Printable(folder));
        return false;
    }
    return true;
}

Entries load(const QString &folder)
{
    Entries entries;
    if (!load(folder, reserveIn(entries), addTo(entries)))
        entries.clear();
    return entries;
}

bool save(const QString &folder, const QByteArray &encoded)
{
    const QString path = pathFor(folder);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded) != encoded.size() || !file.commit()) {
        // Only speed is lost: the next run reads the files again.
        qCDebug(lcEvents, "Could not keep the event index of %s: %s", qUtf8Printable(folder),
                qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace folderindex

} // namespace platform::ical
