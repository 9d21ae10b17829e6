// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/BoundedFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

enum class Overflow
{
    Refuse,
    Cut
};

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString systemError(const QString &path, const char *what, int code)
{
    return QStringLiteral("%1: %2: %3")
        .arg(path, QLatin1String(what), QString::fromLocal8Bit(std::strerror(code)));
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

std::optional<QByteArray> read(const QString &path, qint64 maxBytes, Overflow overflow, QString *error)
{
    if (maxBytes < 0)
        maxBytes = 0;
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        setError(error, systemError(path, "cannot open", errno));
        return std::nullopt;
    }
    struct stat info
    {
    };
    if (::fstat(fd.get(), &info) != 0) {
        setError(error, systemError(path, "cannot examine", errno));
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        setError(error, QStringLiteral("%1: not a regular file").arg(path));
        return std::nullopt;
    }
    if (overflow == Overflow::Refuse && info.st_size > maxBytes) {
        setError(error, QStringLiteral("%1: larger than %2 bytes").arg(path, QString::number(maxBytes)));
        return std::nullopt;
    }
    // The size may change while we read: never trust it beyond the cap, and
    // read one byte more than allowed to notice a file that grew past it.
    const qint64 limit = overflow == Overflow::Refuse ? maxBytes + 1 : maxBytes;
    QByteArray data;
    // A byte beyond the size, so the read that finds the end needs no more room.
    data.resize(static_cast<qsizetype>(std::min<qint64>(std::max<qint64>(info.st_size, 0) + 1, limit)));
    qint64 filled = 0;
    for (;;) {
        if (filled == data.size()) {
            if (filled >= limit)
                break;
            data.resize(static_cast<qsizetype>(std::min<qint64>(limit, std::max<qint64>(4096, filled * 2))));
        }
        const ssize_t got = ::read(fd.get(), data.data() + filled, static_cast<size_t>(data.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            setError(error, systemError(path, "cannot read", errno));
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += got;
    }
    data.resize(static_cast<qsizetype>(filled));
    // When reading on to the end grew the buffer; callers keep what they read.
    if (data.capacity() - data.size() > 64)
        data.squeeze();
    if (overflow == Overflow::Refuse && filled > maxBytes) {
        setError(error, QStringLiteral("%1: larger than %2 bytes").arg(path, QString::number(maxBytes)));
        return std::nullopt;
    }
    return data;
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error)
{
    return read(path, maxBytes, Overflow::Refuse, error);
}

std::optional<QByteArray> readRegularFileHead(const QString &path, qint64 maxBytes, QString *error)
{
    return read(path, maxBytes, Overflow::Cut, error);
}

} // namespace platform
