// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "widget/WidgetCommandLine.h"

#include <QPoint>
#include <QTextStream>
#include <memory>

class QMenu;

namespace widget {

// The desktop widget's context menu: the other kinds and families, a
// separator, "Open Qamarly" and "Close". Each item's data is the answer the
// host acts on (a choice's id, "open", "close").
std::unique_ptr<QMenu> makeWidgetMenu(WidgetKind kind, WidgetFamily family);

// Shows `menu` at `globalPosition` until an item is chosen or the menu is
// dismissed; the chosen item's answer, or an empty text.
QString runWidgetMenu(QMenu &menu, QPoint globalPosition);

// `menu --kind K --family F --at X,Y`: prints the answer (nothing when
// nothing was chosen); the exit status.
int runMenuCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace widget
