// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The main window in every language Qamarly speaks, each tab opened from the
// tab bar as a person does: no English word shows that the language's own
// tables do not use, and the right-to-left languages lay the window out
// mirrored.
#include "app/Composition.h"
#include "app/shell/MainWindow.h"
#include "platform/events/testing/TestEventStore.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/testing/TestNotificationCenter.h"
#include "platform/system/Device.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/Window.h"
#include "support/TestEnvironment.h"
#include "support/WindowInput.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QToolButton>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{3,}"));

// The words of the tables' English sources, or of one language's translations.
QSet<QString> wordsOfTables(const QString &nameFilter, const QString &element)
{
    QSet<QString> words;
    const QDir i18n(QStringLiteral(QAMARLY_SOURCE_DIR "/resources/i18n"));
    for (const QString &name : i18n.entryList({nameFilter}, QDir::Files)) {
        QFile file(i18n.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QXmlStreamReader xml(&file);
        bool inside = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == element)
                inside = true;
            else if (xml.isEndElement() && xml.name() == element)
                inside = false;
            else if (inside && xml.isCharacters())
                for (const auto &match : latinWord.globalMatch(xml.text().toString()))
                    words.insert(match.captured().toLower());
        }
    }
    return words;
}

// Every text a person can read in the visible widgets of the application.
QStringList visibleTexts()
{
    QStringList texts;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        texts << top->windowTitle();
        static const QRegularExpression markup(QStringLiteral("<[^>]*>"));
        for (QWidget *w : top->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(top))
                continue;
            texts << w->accessibleName() << w->toolTip();
            if (auto *label = qobject_cast<QLabel *>(w))
                texts << label->text().remove(markup);
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                texts << button->text();
            else if (auto *edit = qobject_cast<QLineEdit *>(w))
                texts << edit->text() << edit->placeholderText();
            else if (auto *box = qobject_cast<QComboBox *>(w))
                for (int i = 0; i < box->count(); ++i)
                    texts << box->itemText(i);
            else if (auto *group = qobject_cast<QGroupBox *>(w))
                texts << group->title();
        }
    }
    return texts;
}

struct Language
{
    const char *language;
    const char *locale;
    bool rightToLeft;
};

class WindowLanguages : public ::testing::TestWithParam<Language>
{
};

TEST_P(WindowLanguages, EveryTabSpeaksTheLanguageWithoutEnglishWords)
{
    const Language &row = GetParam();
    testenv::ScopedEnvironment world(QString::fromLatin1(row.locale), QStringLiteral("Asia/Riyadh"));
    world.setNow(testenv::gregorianInstant(2026, 12, 5, 12));
    platform::installTranslations();
    QApplication::setLayoutDirection(platform::Device::isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    auto center = std::make_shared<platform::TestNotificationCenter>();
    center->setSettings({platform::AuthorizationStatus::authorized,
                         platform::AuthorizationOption::alert | platform::AuthorizationOption::badge});
    platform::UserNotificationCenter::setCurrent(center);
    auto store = std::make_shared<platform::TestEventStore>();
    platform::CalendarEvent event;
    event.identifier = event.uid = QStringLiteral("meeting");
    event.title = QStringLiteral("Qamarly");
    event.calendar = store->addCalendar(QStringLiteral("Qamarly"), QStringLiteral("#ff8800"), true);
    event.startDate = testenv::gregorianInstant(2026, 12, 5, 9);
    event.endDate = testenv::gregorianInstant(2026, 12, 5, 10, 30);
    store->setEvents({event});
    platform::setEventStoreFactory([store] { return store; });

    const QSet<QString> english = wordsOfTables(QStringLiteral("*_en.ts"), QStringLiteral("source"));
    const QSet<QString> own = wordsOfTables(QStringLiteral("*_%1.ts").arg(QLatin1String(row.language)),
                                            QStringLiteral("translation"));
    // Names that stay as they are in every language.
    const QSet<QString> names{QStringLiteral("qamarly"), QStringLiteral("umm"), QStringLiteral("qura"),
                              QStringLiteral("facebook")};

    std::unique_ptr<platform::Window> window = app::shell::makeMainWindow(app::tabScreens());
    window->resize(1024, 700);
    ASSERT_TRUE(windowinput::showAndExpose(window.get()));
    EXPECT_EQ(window->layoutDirection() == Qt::RightToLeft, row.rightToLeft);
    platform::TabBarController *tabs = app::shell::rootTabBarController(*window);
    QStringList leaks;
    for (int i = 0; i < tabs->count(); ++i) {
        windowinput::click(tabs->tabButton(i));
        QTest::qWait(50);
        EXPECT_EQ(tabs->selectedIndex(), i);
        for (const QString &text : visibleTexts())
            for (const auto &match : latinWord.globalMatch(text)) {
                const QString word = match.captured().toLower();
                if (english.contains(word) && !own.contains(word) && !names.contains(word))
                    leaks << QStringLiteral("%1 (tab %2: \"%3\")").arg(match.captured()).arg(i).arg(text);
            }
    }
    leaks.removeDuplicates();
    EXPECT_TRUE(leaks.isEmpty()) << leaks.join(QStringLiteral("\n")).toStdString();
    window.reset();
    platform::setEventStoreFactory(nullptr);
    platform::UserNotificationCenter::setCurrent(nullptr);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, WindowLanguages,
                         ::testing::Values(Language{"ar", "ar_SA", true}, Language{"id", "id_ID", false},
                                           Language{"ur", "ur_PK", true}, Language{"bn", "bn_BD", false},
                                           Language{"tr", "tr_TR", false}, Language{"fa", "fa_IR", true},
                                           Language{"ms", "ms_MY", false}, Language{"fr", "fr_FR", false}),
                         [](const ::testing::TestParamInfo<Language> &language) {
                             return std::string(language.param.language);
                         });

} // namespace
