// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/localization/Localization.h"
#include "support/TestEnvironment.h"
#include "widget/WidgetMenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList textsOf(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("--") : action->text());
    return texts;
}

TEST(WidgetMenu, OffersTheOtherWidgetsThenOpeningQamarlyAndClosing)
{
    testenv::ScopedEnvironment env;
    platform::installTranslations();
    const struct
    {
        widget::WidgetKind kind;
        widget::WidgetFamily family;
        QStringList texts;
    } cases[] = {
        {widget::WidgetKind::simple,
         widget::WidgetFamily::systemSmall,
         {QStringLiteral("Hijri date, medium"), QStringLiteral("Hijri and Gregorian dates, medium"),
          QStringLiteral("--"), QStringLiteral("Open Qamarly"), QStringLiteral("Close")}},
        {widget::WidgetKind::simple,
         widget::WidgetFamily::systemMedium,
         {QStringLiteral("Hijri date, small"), QStringLiteral("Hijri and Gregorian dates, medium"),
          QStringLiteral("--"), QStringLiteral("Open Qamarly"), QStringLiteral("Close")}},
        {widget::WidgetKind::complex,
         widget::WidgetFamily::systemMedium,
         {QStringLiteral("Hijri date, small"), QStringLiteral("Hijri date, medium"), QStringLiteral("--"),
          QStringLiteral("Open Qamarly"), QStringLiteral("Close")}},
    };
    for (const auto &c : cases) {
        const auto menu = widget::makeWidgetMenu(c.kind, c.family);
        EXPECT_EQ(textsOf(*menu), c.texts);
        // Every answer is one the host understands.
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QString id = action->data().toString();
            EXPECT_TRUE(widget::choiceFromId(id) || id == QLatin1String(widget::menuOpenId) ||
                        id == QLatin1String(widget::menuCloseId))
                << id.toStdString();
        }
    }
}

// Runs the menu command and, once its menu is up, clicks the item showing
// `pick` at that item's place in the menu's window (or presses Escape).
QString runAndPick(const QStringList &arguments, const QString &pick, QPoint *shownAt = nullptr)
{
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || !menu->windowHandle() || !menu->windowHandle()->isExposed())
            return;
        poll.stop();
        if (shownAt)
            *shownAt = menu->pos();
        for (QAction *action : menu->actions()) {
            if (action->text() == pick) {
                QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                                  menu->actionGeometry(action).center());
                return;
            }
        }
        QTest::keyClick(menu->windowHandle(), Qt::Key_Escape);
    });
    poll.start();
    QString printed;
    QTextStream out(&printed), err(stderr);
    EXPECT_EQ(widget::runMenuCommand(arguments, out, err), widget::exitOk);
    EXPECT_FALSE(poll.isActive()) << "no menu opened";
    return printed;
}

TEST(WidgetMenu, TheCommandPrintsTheIdOfTheClickedItemAndNothingWhenDismissed)
{
    testenv::ScopedEnvironment env;
    platform::installTranslations();
    const QStringList args{QStringLiteral("--kind"), QStringLiteral("simple"), QStringLiteral("--family"),
                           QStringLiteral("small"),  QStringLiteral("--at"),   QStringLiteral("120,80")};
    QPoint shownAt;
    EXPECT_EQ(runAndPick(args, QStringLiteral("Hijri and Gregorian dates, medium"), &shownAt),
              QStringLiteral("complex.medium\n"));
    EXPECT_EQ(shownAt, QPoint(120, 80));
    EXPECT_EQ(runAndPick(args, QStringLiteral("Close")), QStringLiteral("close\n"));
    EXPECT_EQ(runAndPick(args, QStringLiteral("Open Qamarly")), QStringLiteral("open\n"));
    EXPECT_EQ(runAndPick(args, QString()), QString());
}

TEST(WidgetMenu, AMalformedRequestIsAUsageError)
{
    testenv::ScopedEnvironment env;
    for (const QStringList &args :
         {QStringList{QStringLiteral("--kind"), QStringLiteral("simple")},
          QStringList{QStringLiteral("--at"), QStringLiteral("12")},
          QStringList{QStringLiteral("--kind"), QStringLiteral("complex"), QStringLiteral("--family"),
                      QStringLiteral("small"), QStringLiteral("--at"), QStringLiteral("1,2")}}) {
        QString printed, errors;
        QTextStream out(&printed), err(&errors);
        EXPECT_EQ(widget::runMenuCommand(args, out, err), widget::exitUsage)
            << args.join(QLatin1Char(' ')).toStdString();
        err.flush();
        EXPECT_TRUE(printed.isEmpty());
        EXPECT_FALSE(errors.isEmpty());
    }
}

} // namespace
