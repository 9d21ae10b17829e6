// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <optional>

namespace app::store {

// Where the store is: the lookup service and the application pages. The
// bundle information names them; QAMARLY_STORE_URL, or else the "StoreURL"
// setting of the standard defaults, replaces both with one address.
struct StoreEndpoint
{
    QUrl lookupBase;
    QUrl pageBase;
    // Why no lookup can be sent, when none can.
    std::optional<QString> lookupProblem;
    std::optional<QString> pageProblem;

    static StoreEndpoint resolve();

    // Base address + path, with the query; an empty URL when there is a problem.
    QUrl lookupUrl(const QString &path, const QUrlQuery &query = {}) const;
    QUrl pageUrl(const QString &path, const QUrlQuery &query = {}) const;
};

} // namespace app::store
