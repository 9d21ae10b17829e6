// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/store/VersionComparison.h"

#include <QVersionNumber>

namespace app::store {

namespace {

// Where the run of digits that starts at `from` ends.
qsizetype digitRunEnd(const QString &text, qsizetype from)
{
    while (from < text.size() && text.at(from).isDigit())
        ++from;
    return from;
}

// Compares the numbers written by the runs of digits at a[i] and b[j]; when
// they are equal, i and j have moved past them.
int compareDigitRuns(const QString &a, qsizetype &i, const QString &b, qsizetype &j)
{
    // Skip leading zeros, then the longer run is the larger number.
    while (i < a.size() && a.at(i) == QLatin1Char('0'))
        ++i;
    while (j < b.size() && b.at(j) == QLatin1Char('0'))
        ++j;
    const qsizetype endA = digitRunEnd(a, i);
    const qsizetype endB = digitRunEnd(b, j);
    if (endA - i != endB - j)
        return endA - i < endB - j ? -1 : 1;
    for (; i < endA; ++i, ++j) {
        if (a.at(i) != b.at(j))
            return a.at(i) < b.at(j) ? -1 : 1;
    }
    return 0;
}

} // namespace

int compareNumerically(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            if (const int order = compareDigitRuns(a, i, b, j))
                return order;
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
    qsizetype endA = 0;
    qsizetype endB = 0;
    const QVersionNumber left = QVersionNumber::fromString(a, &endA);
    const QVersionNumber right = QVersionNumber::fromString(b, &endB);
    // A part too long for QVersionNumber stops its reading short; such texts,
    // and the store's and system's non-dotted ones, compare numerically.
    if (!isDottedVersion(a) || !isDottedVersion(b) || endA != a.size() || endB != b.size())
        return compareNumerically(a, b);
    // Normalised, "12" and "12.0" are one version.
    return QVersionNumber::compare(left.normalized(), right.normalized());
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
