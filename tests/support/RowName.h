// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace testenv {

// A table row's test name from the text that tells it apart: each run of
// characters other than ASCII letters and digits becomes one underscore
// ("convert 2026-12-31 --json" runs as .../convert_2026_12_31_json), so one
// row can be run alone with --gtest_filter.
inline std::string rowName(std::string_view text)
{
    std::string name;
    bool gap = false;
    for (const char c : text) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!kept) {
            gap = true;
            continue;
        }
        if (gap && !name.empty())
            name += '_';
        gap = false;
        name += c;
    }
    return name.empty() ? std::string("empty") : name;
}

// The name generator for rows whose `what` tells them apart.
struct RowWhat
{
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row> &info) const
    {
        return rowName(info.param.what);
    }
};

} // namespace testenv
