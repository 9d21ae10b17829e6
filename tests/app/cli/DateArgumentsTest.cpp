// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Days and months typed on the command line.
#include "app/cli/DateArguments.h"

#include "support/RowName.h"

#include <gtest/gtest.h>

namespace {

using Numbers = std::vector<qint64>;

struct GroupsRow
{
    const char *what;
    const char *text;
    std::vector<int> widths;
    bool negativeFirst;
    std::optional<Numbers> expected;
};

const std::vector<int> dayWidths{7, 2, 2};
const std::vector<int> monthWidths{4, 2};

const GroupsRow groupsRows[] = {
    {"Day", "2026-12-06", dayWidths, true, Numbers{2026, 12, 6}},
    {"OneDigitMonthAndDay", "1448-6-1", dayWidths, true, Numbers{1448, 6, 1}},
    {"YearBeforeTheEra", "-44-3-15", dayWidths, true, Numbers{-44, 3, 15}},
    {"SevenDigitYear", "9999999-1-1", dayWidths, true, Numbers{9999999, 1, 1}},
    {"EightDigitYear", "10000000-1-1", dayWidths, true, std::nullopt},
    {"ThreeDigitMonth", "2026-123-1", dayWidths, true, std::nullopt},
    {"TooFewGroups", "2026-12", dayWidths, true, std::nullopt},
    {"TrailingDash", "2026-12-06-", dayWidths, true, std::nullopt},
    {"EmptyGroup", "2026--06", dayWidths, true, std::nullopt},
    {"TwoMinusSigns", "--2026-1-1", dayWidths, true, std::nullopt},
    {"MinusAlone", "-", dayWidths, true, std::nullopt},
    {"Nothing", "", dayWidths, true, std::nullopt},
    {"LeadingSpace", " 2026-12-06", dayWidths, true, std::nullopt},
    {"NotADigit", "2026-12-0x", dayWidths, true, std::nullopt},
    // Other scripts' digits are not read as numbers they do not become.
    {"ArabicIndicDigits", "\u0662\u0660\u0662\u0666-12-06", dayWidths, true, std::nullopt},
    {"Month", "2026-12", monthWidths, false, Numbers{2026, 12}},
    {"MonthWithMinus", "-2026-12", monthWidths, false, std::nullopt},
    {"FiveDigitYearOfMonth", "12026-12", monthWidths, false, std::nullopt},
};

class NumberGroups : public ::testing::TestWithParam<GroupsRow>
{
};

TEST_P(NumberGroups, AreAsciiDigitsOfBoundedWidthJoinedByDashes)
{
    const GroupsRow &row = GetParam();
    EXPECT_EQ(app::cli::parseNumberGroups(QString::fromUtf8(row.text), row.widths, row.negativeFirst),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(DateArguments, NumberGroups, ::testing::ValuesIn(groupsRows), testenv::RowWhat());

} // namespace
