// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/net/linux/LoadedUrlSession.h"

#include "platform/system/ProgramPart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>

namespace platform {

LoadedUrlSession::LoadedUrlSession(QString modulePath) : modulePath_(std::move(modulePath)) {}

std::shared_ptr<UrlSession> LoadedUrlSession::besideProgram()
{
    return std::make_shared<LoadedUrlSession>(
        QDir(QFileInfo(executablePath()).path()).filePath(QLatin1String(moduleFileName)));
}

void LoadedUrlSession::dataTask(const UrlRequest &request, QObject *context, Completion completion)
{
    QString why;
    if (!loaded_)
        loaded_ = load(modulePath_, &why);
    if (loaded_) {
        loaded_->dataTask(request, context, std::move(completion));
        return;
    }
    // Still asynchronous, as every answer is.
    completeLater(QCoreApplication::instance(), context, std::move(completion),
                  UrlResponse{0, std::nullopt, why});
}

std::shared_ptr<UrlSession> LoadedUrlSession::load(const QString &path, QString *why)
{
    // Never closed: the session's objects live on in Qt's event loop.
    void *module = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        *why = QStringLiteral("the network module could not be loaded: %1")
                   .arg(QString::fromLocal8Bit(::dlerror()));
        return nullptr;
    }
    using Factory = UrlSession *(*)();
    const auto factory = reinterpret_cast<Factory>(::dlsym(module, factoryName));
    if (!factory) {
        *why = QStringLiteral("%1 is not Qamarly's network module").arg(path);
        return nullptr;
    }
    return std::shared_ptr<UrlSession>(factory());
}

} // namespace platform
