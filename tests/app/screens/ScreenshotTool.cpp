// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Renders the screens to PNG files for a person to look at, in English and
// Arabic, into the folder QAMARLY_SCREENSHOT_DIR names. A tool, not part of
// the suite: build/tests/app/screens/qamarly-screenshots.
#include "ScreenTestSupport.h"
#include "app/notifications/EnableOptionsVC.h"
#include "app/screens/daterange/DateRangeVC.h"
#include "app/screens/pickerconverter/PickerConverterVC.h"
#include "app/screens/settings/SettingsVC.h"
#include "core/GlobalSettings.h"
#include "ui_DateRangeVC.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

void save(QWidget &screen, const QString &name)
{
    screen.resize(420, 700);
    screen.show();
    screentest::ScreenWorld::settle();
    const QString dir = qEnvironmentVariable("QAMARLY_SCREENSHOT_DIR");
    EXPECT_TRUE(screen.grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}

TEST(Screenshots, OfTheConverterTheDateRangeSettingsAndThePromptInBothLanguages)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("QAMARLY_SCREENSHOT_DIR"))
        << "set QAMARLY_SCREENSHOT_DIR to the folder for the screenshots";
    for (const bool arabic : {false, true}) {
        screentest::ScreenWorld world;
        if (arabic)
            world.useArabic();
        const QString suffix = arabic ? QStringLiteral("-ar") : QStringLiteral("-en");
        core::GlobalSettings::shared().adjustmentNumber = -1;
        core::GlobalSettings::shared().save();
        {
            app::screens::PickerConverterVC converter;
            converter.resize(420, 700);
            converter.show();
            world.settle();
            // Drawn at rest, not in the middle of a change.
            for (auto *label : converter.findChildren<components::MorphingLabel *>())
                label->setMorphingEnabled(false);
            save(converter, QStringLiteral("converter") + suffix);
        }
        {
            app::screens::DateRangeVC range;
            range.resize(420, 700);
            range.show();
            world.settle();
            range.outlets().fromDatePicker->setDate(testenv::gregorianInstant(2020, 1, 1, 12));
            range.fromDatePickerValueChanged();
            range.outlets().toDatePicker->setDate(testenv::gregorianInstant(2026, 3, 20, 12));
            range.toDatePickerValueChanged();
            for (auto *label : range.findChildren<components::MorphingLabel *>())
                label->setMorphingEnabled(false);
            save(range, QStringLiteral("daterange") + suffix);
        }
        {
            app::screens::SettingsVC settings;
            settings.resize(420, 700);
            settings.show();
            world.settle();
            for (auto *label : settings.findChildren<components::MorphingLabel *>())
                label->setMorphingEnabled(false);
            save(settings, QStringLiteral("settings") + suffix);
        }
        {
            app::notifications::EnableOptionsVC prompt;
            save(prompt, QStringLiteral("prompt") + suffix);
        }
    }
}

} // namespace
