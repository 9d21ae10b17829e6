// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Days and months typed on the command line.
#include "app/cli/DateArguments.h"

#include <gtest/gtest.h>

namespace {

struct GroupsCase
{
    const char *text;
    std::vector<int> widths;
    bool negativeFirst;
    std::optional<std::vector<qint64>> expected;
};

TEST(DateArguments, NumberGroupsAreAsciiDigitsOfBoundedWidthJoinedByDashes)
{
    using V = std::vector<qint64>;
    const std::vector<GroupsCase> cases = {
        {"2026-12-06", {7, 2, 2}, true, V{2026, 12, 6}},
        {"1448-6-1", {7, 2, 2}, true, V{1448, 6, 1}},
        {"-44-3-15", {7, 2, 2}, true, V{-44, 3, 15}},
        {"9999999-1-1", {7, 2, 2}, true, V{9999999, 1, 1}},
        {"10000000-1-1", {7, 2, 2}, true, std::nullopt},
        {"2026-123-1", {7, 2, 2}, true, std::nullopt},
        {"2026-12", {7, 2, 2}, true, std::nullopt},
        {"2026-12-06-", {7, 2, 2}, true, std::nullopt},
        {"2026--06", {7, 2, 2}, true, std::nullopt},
        {"--2026-1-1", {7, 2, 2}, true, std::nullopt},
        {"-", {7, 2, 2}, true, std::nullopt},
        {"", {7, 2, 2}, true, std::nullopt},
        {" 2026-12-06", {7, 2, 2}, true, std::nullopt},
        {"2026-12-0x", {7, 2, 2}, true, std::nullopt},
        // Other scripts' digits are not read as numbers they do not become.
        {"\u0662\u0660\u0662\u0666-12-06", {7, 2, 2}, true, std::nullopt},
        {"2026-12", {4, 2}, false, V{2026, 12}},
        {"-2026-12", {4, 2}, false, std::nullopt},
        {"12026-12", {4, 2}, false, std::nullopt},
    };
    for (const GroupsCase &c : cases)
        EXPECT_EQ(app::cli::parseNumberGroups(QString::fromUtf8(c.text), c.widths, c.negativeFirst),
                  c.expected)
            << c.text;
}

} // namespace
