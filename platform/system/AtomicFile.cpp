// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool fail(QString *error, const QString &path, const char *what, int code)
{
    if (error)
        *error = QStringLiteral("%1: %2: %3")
                     .arg(path, QLatin1String(what), QString::fromLocal8Bit(std::strerror(code)));
    return false;
}

bool writeAll(int fd, const QByteArray &data)
{
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + written, static_cast<size_t>(data.size() - written));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        written += n;
    }
    return true;
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    const QFileInfo info(path);
    // Hidden, and named so that a reader looking for the real name never matches it.
    const QString temporary =
        info.absolutePath() + QStringLiteral("/.") + info.fileName() +
        QStringLiteral(".%1.new").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
    const QByteArray temporaryName = QFile::encodeName(temporary);
    // O_EXCL | O_NOFOLLOW: whatever lies in wait under that name is not opened.
    const int fd =
        ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return fail(error, temporary, "cannot create", errno);
    const bool written = writeAll(fd, data) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temporaryName.constData());
        return fail(error, temporary, "cannot write", written ? errno : writeError);
    }
    // rename() replaces the directory entry: a link there is replaced, its target untouched.
    if (::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0) {
        const int renameError = errno;
        ::unlink(temporaryName.constData());
        return fail(error, path, "cannot replace", renameError);
    }
    return true;
}

} // namespace platform
