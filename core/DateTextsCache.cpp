// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/DateTextsCache.h"

#include "platform/defaults/UserDefaults.h"
#include "platform/system/AtomicFile.h"
#include "platform/system/BoundedFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unicode/uvernum.h>
#include <unistd.h>

namespace core {

namespace {

constexpr char magic[] = "qamarly-date-texts 3";
// A sound file holds a few dozen lines; anything much larger is not ours.
constexpr qint64 largestFile = 1 << 20;
constexpr int namesPerEntry = 12 + 7 + 7 + 10;
// Files of other builds are left to age this long before a write clears them.
constexpr int staleDays = 30;

QByteArray fileStamp(const char *path)
{
    struct stat st
    {
    };
    if (::stat(path, &st) != 0)
        return QByteArray();
    return QByteArray(path) + ':' + QByteArray::number(qint64(st.st_size)) + ':' +
           QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(st.st_mtim.tv_nsec)) + ':' + QByteArray::number(quint64(st.st_ino));
}

// The file of the module this code is in: the executable or the library.
QByteArray ownModuleStamp()
{
    Dl_info info{};
    link_map *map = nullptr;
    if (dladdr1(reinterpret_cast<void *>(&ownModuleStamp), &info, reinterpret_cast<void **>(&map),
                RTLD_DL_LINKMAP) == 0 ||
        !map)
        return QByteArray();
    if (map->l_name && *map->l_name)
        return fileStamp(map->l_name);
    // The executable's own entry has no name.
    char exe[4096];
    const ssize_t length = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (length <= 0)
        return QByteArray();
    exe[length] = '\0';
    return fileStamp(exe);
}

int addIcuLibrary(dl_phdr_info *info, size_t, void *data)
{
    const char *name = info->dlpi_name;
    if (name && std::strstr(name, "/libicu"))
        static_cast<QByteArray *>(data)->append(';' + fileStamp(name));
    return 0;
}

bool plainText(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

bool plainNames(const DateTextsCache::Names &names)
{
    auto all = [](const auto &array) {
        return std::all_of(array.begin(), array.end(), [](const QString &s) { return plainText(s); });
    };
    return all(names.months) && all(names.weekdays) && all(names.shortWeekdays) && all(names.digits);
}

QByteArray checksum(const QByteArray &body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
}

} // namespace

QString DateTextsCache::defaultDirectory()
{
    return platform::UserDefaults::cacheDirectory();
}

QByteArray DateTextsCache::currentKey()
{
    const QByteArray module = ownModuleStamp();
    if (module.isEmpty())
        return QByteArray(); // nothing to tell builds apart: no file
    QByteArray key = "module=" + module + ";icu=" U_ICU_VERSION;
    dl_iterate_phdr(addIcuLibrary, &key);
    key += ";ICU_DATA=" + qgetenv("ICU_DATA");
    return key.contains('\n') ? QByteArray() : key;
}

DateTextsCache::DateTextsCache(QString directory, QByteArray key)
    : directory_(std::move(directory)), key_(std::move(key))
{
    if (key_.isEmpty() || directory_.isEmpty())
        return;
    const QByteArray name = QCryptographicHash::hash(key_, QCryptographicHash::Sha256).toHex().left(16);
    path_ = directory_ + QStringLiteral("/date-texts-") + QString::fromLatin1(name) + QStringLiteral(".txt");
    load();
}

std::optional<DateTextsCache::Names> DateTextsCache::find(const QString &locale,
                                                          platform::CalendarIdentifier calendar) const
{
    const auto it = entries_.find({locale, static_cast<int>(calendar)});
    if (it == entries_.end())
        return std::nullopt;
    return it->second;
}

void DateTextsCache::insert(const QString &locale, platform::CalendarIdentifier calendar, const Names &names)
{
    entries_[{locale, static_cast<int>(calendar)}] = names;
    if (!path_.isEmpty() && plainText(locale) && plainNames(names))
        save();
}

namespace {

// A usable entry's fields from the fourth on: whether numbers are plain, then
// the names and the digits. False when any is missing or malformed.
bool readUsableNames(const QList<QByteArray> &fields, DateTextsCache::Names &names)
{
    if (fields.size() != 4 + namesPerEntry || (fields[3] != "0" && fields[3] != "1"))
        return false;
    names.plainNumbers = fields[3] == "1";
    qsizetype f = 4;
    for (QString &s : names.months)
        s = QString::fromUtf8(fields[f++]);
    for (QString &s : names.weekdays)
        s = QString::fromUtf8(fields[f++]);
    for (QString &s : names.shortWeekdays)
        s = QString::fromUtf8(fields[f++]);
    for (QString &s : names.digits) {
        s = QString::fromUtf8(fields[f++]);
        if (s.isEmpty())
            return false;
    }
    return true;
}

} // namespace

void DateTextsCache::load()
{
    // Not opened blindly: a FIFO put in its place would wait for a writer for
    // good, a link to a device would never end.
    const std::optional<QByteArray> contents = platform::readRegularFile(path_, largestFile);
    if (!contents)
        return;
    const QByteArray &data = *contents;
    // The last line is the checksum of everything before it.
    const qsizetype sumAt = data.lastIndexOf("\nsum ");
    if (sumAt < 0 || !data.endsWith('\n'))
        return;
    const QByteArray body = data.left(sumAt + 1);
    if (data.mid(sumAt + 5).trimmed() != checksum(body))
        return;
    QList<QByteArray> lines = body.split('\n');
    lines.removeLast(); // after the final newline
    if (lines.size() < 2 || lines[0] != magic || lines[1] != "key " + key_)
        return;
    std::map<std::pair<QString, int>, Names> entries;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        if (fields.size() < 3)
            return;
        bool ok = false;
        const int calendar = fields[1].toInt(&ok);
        if (!ok || (calendar != static_cast<int>(platform::CalendarIdentifier::gregorian) &&
                    calendar != static_cast<int>(platform::CalendarIdentifier::islamicUmmAlQura)))
            return;
        Names names;
        names.usable = fields[2] == "1";
        if (names.usable) {
            if (!readUsableNames(fields, names))
                return;
        } else if (fields.size() != 3 || fields[2] != "0") {
            return;
        }
        entries[{QString::fromUtf8(fields[0]), calendar}] = std::move(names);
    }
    entries_ = std::move(entries);
}

bool DateTextsCache::save() const
{
    QByteArray body = QByteArray(magic) + "\nkey " + key_ + '\n';
    for (const auto &[where, names] : entries_) {
        if (!plainText(where.first) || !plainNames(names))
            continue;
        body += where.first.toUtf8() + '\t' + QByteArray::number(where.second) + '\t' +
                (names.usable ? "1" : "0");
        if (names.usable) {
            body += names.plainNumbers ? "\t1" : "\t0";
            auto add = [&body](const auto &list) {
                for (const QString &s : list)
                    body += '\t' + s.toUtf8();
            };
            add(names.months);
            add(names.weekdays);
            add(names.shortWeekdays);
            add(names.digits);
        }
        body += '\n';
    }
    if (!QDir().mkpath(directory_))
        return false;
    // Whatever lies at the path (a link above all) is replaced, never written through.
    if (!platform::writeFileAtomically(path_, body + "sum " + checksum(body) + '\n'))
        return false;
    // Files of earlier builds would otherwise pile up.
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-staleDays);
    const QFileInfoList others =
        QDir(directory_).entryInfoList({QStringLiteral("date-texts-*.txt")}, QDir::Files | QDir::NoSymLinks);
    for (const QFileInfo &other : others) {
        if (other.absoluteFilePath() != QFileInfo(path_).absoluteFilePath() && other.lastModified() < old)
            QFile::remove(other.absoluteFilePath());
    }
    return true;
}

} // namespace core
