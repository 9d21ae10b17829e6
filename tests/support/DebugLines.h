// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QLoggingCategory>

namespace testenv {

// Turns a logging category's debug lines on while it lives, whatever
// QT_LOGGING_RULES says (CTest turns every debug line off).
class DebugLinesOn
{
public:
    explicit DebugLinesOn(const QLoggingCategory &category)
        : category_(const_cast<QLoggingCategory &>(category)), was_(category.isDebugEnabled())
    {
        category_.setEnabled(QtDebugMsg, true);
    }
    ~DebugLinesOn() { category_.setEnabled(QtDebugMsg, was_); }
    DebugLinesOn(const DebugLinesOn &) = delete;
    DebugLinesOn &operator=(const DebugLinesOn &) = delete;

private:
    QLoggingCategory &category_;
    bool was_;
};

} // namespace testenv
