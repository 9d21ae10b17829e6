// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QStringList>
#include <QTextStream>

namespace widget {

// `render ...`: draws the entry in force at an instant into a PNG; the exit status.
int runRender(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace widget
