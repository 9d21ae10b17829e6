// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/defaults/UserDefaults.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace platform {

// The stored settings a plan of notifications answers: the suite file that
// keeps them and, for each key, the value the plan was made from. A plan and
// the settings live in two files that share no transaction, so whoever acts
// on a plan (the agent before a delivery, a listing, a start) compares its
// basis with the suite first and has the plan made again when they differ.
struct PlanBasis
{
    struct Setting
    {
        QString key;
        UserDefaults::Value value;
        // What stands for the key while the suite holds no value of its type.
        UserDefaults::Value fallback;
        bool operator==(const Setting &) const = default;
    };

    QString suitePath;
    QList<Setting> settings;

    bool operator==(const PlanBasis &) const = default;
    // Integers and booleans only; anything else is left out.
    QByteArray toJson() const;
    // No value for text that is no basis.
    static std::optional<PlanBasis> fromJson(QByteArrayView json);
    // Whether `suite` holds every value the plan was made from.
    bool matches(const UserDefaults &suite) const;
};

} // namespace platform
