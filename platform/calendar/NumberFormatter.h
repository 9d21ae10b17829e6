// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <cstdint>
#include <memory>

namespace platform {

// Whole numbers in a locale's digits and minus sign, without grouping
// separators or fraction digits.
class NumberFormatter
{
public:
    NumberFormatter();
    ~NumberFormatter();
    NumberFormatter(const NumberFormatter &) = delete;
    NumberFormatter &operator=(const NumberFormatter &) = delete;

    void setLocaleName(const QString &locale);
    QString localeName() const { return locale_; }
    QString string(std::int64_t value) const;

private:
    struct Impl;
    QString locale_;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
