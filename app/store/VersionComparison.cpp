// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/store/VersionComparison.h"

#include <QStringList>
#include <algorithm>

namespace app::store {

int compareNumerically(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            // Skip leading zeros, then the longer run is the larger number.
            while (i < a.size() && a.at(i) == QLatin1Char('0'))
                ++i;
            while (j < b.size() && b.at(j) == QLatin1Char('0'))
                ++j;
            qsizetype endA = i;
            while (endA < a.size() && a.at(endA).isDigit())
                ++endA;
            qsizetype endB = j;
            while (endB < b.size() && b.at(endB).isDigit())
                ++endB;
            if (endA - i != endB - j)
                return endA - i < endB - j ? -1 : 1;
            for (; i < endA; ++i, ++j) {
                if (a.at(i) != b.at(j))
                    return a.at(i) < b.at(j) ? -1 : 1;
            }
            continue;
        }
        if (a.at(i) != b.at(j))
            return a.at(i) < b.at(j) ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

int compareVersions(const QString &a, const QString &b)
{
    if (!isDottedVersion(a) || !isDottedVersion(b))
        return compareNumerically(a, b);
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    const QString zero = QStringLiteral("0");
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const int part =
            compareNumerically(i < left.size() ? left[i] : zero, i < right.size() ? right[i] : zero);
        if (part != 0)
            return part;
    }
    return 0;
}

bool isDottedVersion(const QString &text)
{
    if (text.isEmpty())
        return false;
    bool digitBefore = false;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digitBefore = true;
        } else if (c == QLatin1Char('.') && digitBefore) {
            digitBefore = false;
        } else {
            return false;
        }
    }
    return digitBefore;
}

} // namespace app::store
