// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "LocalStore.h"
#include "platform/bundle/testing/ScopedBundleInfo.h"
#include "platform/defaults/testing/ScopedStandardDefaults.h"
#include "platform/net/UrlSession.h"
#include "platform/net/linux/NetworkUrlSession.h"
#include "platform/system/Console.h"
#include "platform/system/testing/FixedSystemInfo.h"
#include "platform/ui/AlertController.h"
#include "platform/ui/TopAlertPresenter.h"
#include "platform/ui/testing/RecordingUrlOpener.h"
#include "support/TestEnvironment.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

inline platform::BundleInfo qamarlyBundle(const QString &version = QStringLiteral("1.0.0"))
{
    platform::BundleInfo info;
    info.displayName = info.bundleName = QStringLiteral("Qamarly");
    info.shortVersion = info.bundleVersion = version;
    info.bundleIdentifier = QStringLiteral("org.qamarly.Qamarly");
    return info;
}

// A world for one store test: its own defaults, bundle, system, console and
// a local store that QAMARLY_STORE_URL points at.
class StoreWorld
{
public:
    StoreWorld() : bundle(qamarlyBundle()), opener(std::make_shared<platform::RecordingUrlOpener>())
    {
        qputenv("QAMARLY_STORE_URL", local.baseUrl().toString().toLatin1());
        platform::FixedSystemInfo::installFor(QStringLiteral("12"), QStringLiteral("SA"));
        platform::UrlOpener::install(opener);
        platform::UrlSession::install(std::make_shared<platform::NetworkUrlSession>());
        previousSink = platform::setConsoleSink([this](const QString &line) { console << line; });
    }
    ~StoreWorld()
    {
        for (platform::AlertController *alert : platform::AlertController::shownAlerts())
            delete alert;
        platform::setConsoleSink(previousSink);
        platform::UrlOpener::install(nullptr);
        platform::SystemInfo::install(nullptr);
        platform::UrlSession::install(nullptr);
        qunsetenv("QAMARLY_STORE_URL");
    }

    bool consoleHas(const QString &part) const
    {
        for (const QString &line : console) {
            if (line.contains(part))
                return true;
        }
        return false;
    }

    testenv::ScopedEnvironment env;
    platform::ScopedStandardDefaults defaults;
    platform::ScopedBundleInfo bundle;
    LocalStore local;
    std::shared_ptr<platform::RecordingUrlOpener> opener;
    QStringList console;
    platform::ConsoleSink previousSink;
};

inline platform::AlertController *shownAlert()
{
    const auto alerts = platform::AlertController::shownAlerts();
    return alerts.isEmpty() ? nullptr : alerts.last();
}

inline QStringList buttonTitles(const platform::AlertController *alert)
{
    QStringList titles;
    for (const auto &action : alert->actions())
        titles << action.title;
    return titles;
}

// Clicks the button as a person would: at its place in the alert's window.
inline void clickButton(platform::AlertController *alert, const QString &title)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(alert));
    for (QPushButton *button : alert->findChildren<QPushButton *>()) {
        if (button->text() == title) {
            QTest::mouseClick(alert->windowHandle(), Qt::LeftButton, {},
                              button->mapTo(alert, button->rect().center()));
            return;
        }
    }
    FAIL() << "no button " << title.toStdString();
}
