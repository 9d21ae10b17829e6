// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// How long until (or since) an occasion, in words: calendar days in the local
// zone decide between ahead, today and past, and every count takes the plural
// form of its string table. Rows are read off the Umm al-Qura calendar: 1
// Ramadan 1448 is Monday 8 February 2027.
#include "app/screens/occasions/Event.h"
#include "app/screens/occasions/OccasionIndex.h"
#include "core/LocalizedNumber.h"
#include "platform/localization/Localization.h"
#include "support/RowName.h"
#include "support/TestEnvironment.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace {

using occasionindex::RMD;

struct TimingRow
{
    int month;
    int day;
    int hour;
    int minute;
    const char *locale;
    const char *zone;
    const char *expected;
    bool coming;
};

const TimingRow timingRows[] = {
    // The evening before: still ahead until midnight.
    {2, 7, 23, 30, "en_US", "Asia/Riyadh", "In: 30 minutes", true},
    {2, 7, 23, 59, "en_US", "Europe/London", "In: 1 minute", true},
    {2, 7, 23, 30, "ar_SA", "Asia/Riyadh", "بعد: ٣٠ دقيقة", true},
    {2, 7, 23, 58, "ar_SA", "Asia/Riyadh", "بعد: دقيقتان", true},
    {2, 7, 22, 45, "en_US", "America/New_York", "In: 1 hour", true},
    {2, 7, 22, 0, "ar_SA", "Asia/Riyadh", "بعد: ساعتان", true},
    {2, 7, 21, 0, "ar_SA", "Asia/Riyadh", "بعد: ٣ ساعات", true},
    // From its midnight to the next it is today.
    {2, 8, 0, 0, "en_US", "Asia/Riyadh", "Today", true},
    {2, 8, 23, 59, "en_US", "Pacific/Auckland", "Today", true},
    {2, 8, 12, 0, "ar_SA", "Asia/Riyadh", "اليوم", true},
    // Whole days ahead: a zero part is left out.
    {2, 6, 0, 0, "en_US", "Asia/Riyadh", "In: 2 days", true},
    {2, 6, 0, 0, "ar_SA", "Asia/Riyadh", "بعد: يومان", true},
    {2, 7, 0, 0, "en_US", "Asia/Riyadh", "In: 1 day", true},
    {2, 7, 0, 0, "ar_SA", "Asia/Riyadh", "بعد: يوم واحد", true},
    {2, 5, 12, 0, "en_US", "Asia/Riyadh", "In: 2 days and 12 hours", true},
    {1, 29, 23, 0, "en_US", "Asia/Riyadh", "In: 9 days and 1 hour", true},
    {1, 29, 23, 0, "ar_SA", "Asia/Riyadh", "بعد: ٩ أيام وساعة واحدة", true},
    {1, 28, 0, 0, "ar_SA", "Asia/Riyadh", "بعد: ١١ يومًا", true},
    // Past from the next midnight on.
    {2, 9, 0, 0, "en_US", "Asia/Riyadh", "Since: 1 day", false},
    {2, 9, 0, 0, "ar_SA", "Asia/Riyadh", "منذ: يوم واحد", false},
    {2, 9, 5, 0, "en_US", "Asia/Riyadh", "Since: 1 day and 5 hours", false},
    {5, 19, 0, 0, "ar_SA", "Asia/Riyadh", "منذ: ١٠٠ يوم", false},
    {5, 19, 0, 0, "en_US", "Asia/Riyadh", "Since: 100 days", false},
};

class TimingText : public ::testing::TestWithParam<TimingRow>
{
protected:
    ~TimingText() override { platform::installTranslations(); }
    testenv::ScopedEnvironment env;
};

TEST_P(TimingText, ReadsAsTheRowSays)
{
    const TimingRow &row = GetParam();
    env.setTimeZone(QString::fromLatin1(row.zone));
    env.setLocale(QString::fromLatin1(row.locale));
    platform::installTranslations();
    const auto list = app::occasions::buildOccasions(
        testenv::gregorianInstant(2027, row.month, row.day, row.hour, row.minute));
    EXPECT_EQ(list[RMD]->days, QString::fromUtf8(row.expected));
    EXPECT_EQ(list[RMD]->isFuture, row.coming);
    EXPECT_EQ(list[RMD]->color, row.coming && QString::fromUtf8(row.expected).contains(QLatin1Char(':'))
                                    ? app::occasions::Event::comingColor
                                    : app::occasions::Event::pastColor);
}

// Named by the local day and time in 2027, the zone and the language:
// .../0207T2330_Asia_Riyadh_ar.
INSTANTIATE_TEST_SUITE_P(RamadanOf1448, TimingText, ::testing::ValuesIn(timingRows),
                         [](const ::testing::TestParamInfo<TimingRow> &param) {
                             const TimingRow &row = param.param;
                             char when[32];
                             std::snprintf(when, sizeof when, "%02d%02dT%02d%02d", row.month, row.day,
                                           row.hour, row.minute);
                             return when + ("_" + testenv::rowName(row.zone)) + "_" +
                                    std::string(row.locale, 2);
                         });

struct CountRow
{
    const char *key;
    std::int64_t count;
    const char *locale;
    const char *expected;
};

// English has one and other; Arabic has zero, one, two, few (3 to 10 and
// 103 to 110 ...), many (11 to 99 ...) and other (100 to 102 ...).
const CountRow countRows[] = {
    {"days", 0, "en_US", "0 days"},          {"days", 1, "en_US", "1 day"},
    {"days", -1, "en_US", "-1 day"},         {"days", 63, "en_US", "63 days"},
    {"hours", 1, "en_US", "1 hour"},         {"minutes", 1, "en_US", "1 minute"},
    {"days", 0, "ar_SA", "٠ يوم"},           {"days", 1, "ar_SA", "يوم واحد"},
    {"days", 2, "ar_SA", "يومان"},           {"days", 3, "ar_SA", "٣ أيام"},
    {"days", 10, "ar_SA", "١٠ أيام"},        {"days", 11, "ar_SA", "١١ يومًا"},
    {"days", 99, "ar_SA", "٩٩ يومًا"},        {"days", 100, "ar_SA", "١٠٠ يوم"},
    {"days", 102, "ar_SA", "١٠٢ يوم"},       {"days", 103, "ar_SA", "١٠٣ أيام"},
    {"days", 111, "ar_SA", "١١١ يومًا"},      {"hours", 12, "ar_SA", "١٢ ساعة"},
    {"hours", 5, "ar_SA", "٥ ساعات"},        {"cli.days", 1, "ar_SA", "يوم واحد"},
    {"cli.days", 3, "ar_SA", "٣ أيام"},      {"cli.days", 2, "en_US", "2 days"},
    {"range.months", 1, "en_US", "1 month"}, {"range.years", 2, "ar_SA", "سنتان"},
    {"daterange.years", 1, "en_US", "Year"}, {"daterange.months", 5, "ar_SA", "أشهر"},
};

class PluralForms : public ::testing::TestWithParam<CountRow>
{
protected:
    ~PluralForms() override { platform::installTranslations(); }
    testenv::ScopedEnvironment env;
};

TEST_P(PluralForms, ChooseTheTablesFormForTheCount)
{
    const CountRow &row = GetParam();
    env.setLocale(QString::fromLatin1(row.locale));
    platform::installTranslations();
    EXPECT_EQ(core::localizedCount(row.key, row.count), QString::fromUtf8(row.expected));
}

// Named by key, count and language: .../days_minus1_en, .../cli_days_3_ar.
std::string countRowName(const ::testing::TestParamInfo<CountRow> &info)
{
    const CountRow &row = info.param;
    return testenv::rowName(row.key) + "_" + (row.count < 0 ? "minus" : "") +
           std::to_string(row.count < 0 ? -row.count : row.count) + "_" + std::string(row.locale, 2);
}

INSTANTIATE_TEST_SUITE_P(EnglishAndArabic, PluralForms, ::testing::ValuesIn(countRows), countRowName);

// One form in Indonesian, Malay, Turkish and Persian; French counts zero as
// one; each in its locale's digits (Urdu's are Latin).
const CountRow otherLanguageRows[] = {
    {"days", 1, "fr_FR", "1 jour"},      {"days", 2, "fr_FR", "2 jours"},
    {"days", 0, "fr_FR", "0 jour"},      {"hours", 2, "tr_TR", "2 saat"},
    {"days", 1, "tr_TR", "1 gün"},       {"days", 2, "id_ID", "2 hari"},
    {"minutes", 1, "ms_MY", "1 minit"},  {"hours", 1, "ur_PK", "1 گھنٹہ"},
    {"hours", 2, "ur_PK", "2 گھنٹے"},    {"days", 1, "bn_BD", "১ দিন"},
    {"hours", 2, "bn_BD", "২ ঘণ্টা"},     {"days", 2, "fa_IR", "۲ روز"},
    {"range.years", 1, "fr_FR", "1 an"}, {"daterange.months", 2, "fr_FR", "Mois"},
};

INSTANTIATE_TEST_SUITE_P(OtherLanguages, PluralForms, ::testing::ValuesIn(otherLanguageRows), countRowName);

} // namespace
