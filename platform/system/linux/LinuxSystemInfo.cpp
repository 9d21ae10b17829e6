// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/linux/LinuxSystemInfo.h"

#include "platform/system/BoundedFile.h"
#include "platform/system/Device.h"

#include <QList>
#include <mutex>
#include <unicode/locid.h>

namespace platform {

namespace {
std::mutex mutex;

std::shared_ptr<SystemInfo> &installed()
{
    static std::shared_ptr<SystemInfo> info;
    return info;
}
} // namespace

const SystemInfo &SystemInfo::current()
{
    std::lock_guard lock(mutex);
    if (!installed())
        installed() = std::make_shared<LinuxSystemInfo>();
    return *installed();
}

void SystemInfo::install(std::shared_ptr<SystemInfo> info)
{
    std::lock_guard lock(mutex);
    installed() = std::move(info);
}

LinuxSystemInfo::LinuxSystemInfo(QString osReleasePath) : osReleasePath_(std::move(osReleasePath)) {}

QString LinuxSystemInfo::versionIdOf(const QByteArray &osRelease)
{
    for (const QByteArray &raw : osRelease.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (!line.startsWith("VERSION_ID="))
            continue;
        QByteArray value = line.mid(int(sizeof("VERSION_ID=") - 1)).trimmed();
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return QString::fromUtf8(value);
    }
    return {};
}

QString LinuxSystemInfo::operatingSystemVersion() const
{
    // os-release is a few hundred bytes; more is not an os-release file.
    return versionIdOf(readRegularFileHead(osReleasePath_, 64 * 1024).value_or(QByteArray()));
}

QString LinuxSystemInfo::regionCode() const
{
    const icu::Locale locale(Device::localeName().toLatin1().constData());
    return QString::fromLatin1(locale.getCountry());
}

} // namespace platform
