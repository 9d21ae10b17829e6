// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/HostPositions.h"

#include "platform/defaults/UserDefaults.h"
#include "platform/system/AtomicFile.h"
#include "platform/system/BoundedFile.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace widget {

namespace {

constexpr QLatin1StringView general("General");

// Serialises the read-change-write of hosts saving at the same moment. The
// folder itself is locked: a lock file could be replaced by a FIFO, whose
// open would wait for good.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder)
        : fd_(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        problem_ = fd_ < 0
                       ? QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)))
                       : QStringLiteral("another widget keeps %1 locked").arg(folder);
        // Another host holds it for a few milliseconds at most; a holder that
        // never lets go costs one refused save, not a frozen widget.
        for (int attempt = 0; fd_ >= 0 && attempt < 100; ++attempt) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                locked_ = true;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR)
                return;
            QThread::msleep(10);
        }
    }
    ~FolderLock()
    {
        if (fd_ >= 0)
            ::close(fd_); // releases the lock
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;
    bool locked() const { return locked_; }
    // Why it is not locked.
    QString problem() const { return problem_; }

private:
    int fd_;
    QString problem_;
    bool locked_ = false;
};

} // namespace

QMap<QString, QString> parseIni(const QByteArray &text)
{
    QMap<QString, QString> values;
    QString section = general;
    for (const QByteArray &raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        values.insert(section == general ? key : section + QLatin1Char('/') + key,
                      line.mid(equals + 1).trimmed());
    }
    return values;
}

QByteArray formatIni(const QMap<QString, QString> &values)
{
    QMap<QString, QByteArray> sections;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? general : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        sections[section] += key.toUtf8() + '=' + it.value().toUtf8() + '\n';
    }
    QByteArray text;
    // [General] first, as QSettings writes it.
    if (sections.contains(general))
        text += "[General]\n" + sections.take(general);
    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it)
        text += (text.isEmpty() ? "" : "\n") + ('[' + it.key().toUtf8() + "]\n") + it.value();
    return text;
}

QString HostPositions::defaultPath()
{
    return platform::UserDefaults::configDirectory() + QStringLiteral("/widget-host.conf");
}

QString HostPositions::oldSuitePath()
{
    return platform::UserDefaults::suitePath(QStringLiteral("org.qamarly.QamarlyWidget"));
}

HostPositions::HostPositions(const QString &path, const QString &oldSuite) : path_(path)
{
    // lstat, not stat: a dangling link is something in the way, not a first run.
    const bool firstRun = !QFileInfo::exists(path_) && !QFileInfo(path_).isSymLink();
    values_ = read();
    if (firstRun && QFileInfo::exists(oldSuite))
        importOldSuite(oldSuite);
}

QString HostPositions::key(const WidgetChoice &choice, const char *axis, int slot)
{
    const QString id = slot > 0 ? choice.id() + QLatin1Char('.') + QString::number(slot + 1) : choice.id();
    return id + QStringLiteral(".window") + QLatin1String(axis);
}

int HostPositions::claimSlot(const WidgetChoice &choice, std::unique_ptr<QLockFile> &lock) const
{
    // More widgets of one kind than this share the last place.
    constexpr int slotCount = 16;
    for (int slot = 0; slot < slotCount; ++slot) {
        auto candidate =
            std::make_unique<QLockFile>(path_ + QStringLiteral(".%1.%2.lock").arg(choice.id()).arg(slot));
        // Held for as long as the widget runs: only a dead holder frees it.
        candidate->setStaleLockTime(0);
        if (candidate->tryLock(0)) {
            lock = std::move(candidate);
            return slot;
        }
    }
    return slotCount - 1;
}

HostPositions::Values HostPositions::read() const
{
    QString error;
    const std::optional<QByteArray> text = platform::readRegularFile(path_, maxFileBytes, &error);
    if (!text) {
        if (QFileInfo::exists(path_) || QFileInfo(path_).isSymLink())
            platform::consoleWarning(lcWidget(),
                                     QStringLiteral("qamarly-widget: ignoring the saved places: %1")
                                         .arg(platform::printable(error)));
        return {};
    }
    return parseIni(*text);
}

bool HostPositions::write(const Values &values, QString *error) const
{
    return platform::writeFileAtomically(path_, formatIni(values), error);
}

bool HostPositions::update(const Values &changes)
{
    const QString folder = QFileInfo(path_).absolutePath();
    QDir().mkpath(folder);
    QString error;
    bool written = false;
    {
        FolderLock lock(folder);
        if (!lock.locked()) {
            error = lock.problem();
        } else {
            Values fresh = read();
            for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
                fresh.insert(it.key(), it.value());
            written = write(fresh, &error);
            if (written)
                values_ = std::move(fresh);
        }
    }
    if (written)
        return true;
    // This run still goes by what the user did.
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        values_.insert(it.key(), it.value());
    platform::consoleWarning(lcWidget(),
                             QStringLiteral("qamarly-widget: could not save the widget's position to %1: %2")
                                 .arg(path_, platform::printable(error)));
    return false;
}

void HostPositions::importOldSuite(const QString &oldSuite)
{
    Values imported;
    {
        // The only time the host opens a settings suite; it is closed again here.
        const auto suite = platform::UserDefaults::openReadOnly(oldSuite);
        for (const WidgetChoice &choice : widgetChoices()) {
            for (const char *axis : {"X", "Y"}) {
                if (const auto value = suite->integer(key(choice, axis)))
                    imported.insert(key(choice, axis), QString::number(*value));
            }
        }
    }
    // Written even when the suite held none, so the import never runs again.
    imported.insert(QStringLiteral("imported"), QStringLiteral("true"));
    update(imported);
}

std::optional<QPoint> HostPositions::position(const WidgetChoice &choice, int slot) const
{
    bool xOk = false;
    bool yOk = false;
    const int x = values_.value(key(choice, "X", slot)).toInt(&xOk);
    const int y = values_.value(key(choice, "Y", slot)).toInt(&yOk);
    if (!xOk || !yOk)
        return std::nullopt;
    return QPoint(x, y);
}

bool HostPositions::save(const WidgetChoice &choice, QPoint position, int slot)
{
    return update({{key(choice, "X", slot), QString::number(position.x())},
                   {key(choice, "Y", slot), QString::number(position.y())}});
}

} // namespace widget
