// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/settings/AdjustmentSpinBox.h"

#include <QLineEdit>

namespace app::screens {

AdjustmentSpinBox::AdjustmentSpinBox(QWidget *parent) : QSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { refused_ = false; });
}

QValidator::State AdjustmentSpinBox::validate(QString &input, int &pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state != QValidator::Invalid)
        return state;
    // A whole number the range does not hold, in the locale's digits or in
    // Western ones: refused aloud. Anything else is refused as before.
    const QString text = input.trimmed();
    bool ok = false;
    qlonglong number = locale().toLongLong(text, &ok);
    if (!ok)
        number = text.toLongLong(&ok);
    if (ok && (number < minimum() || number > maximum())) {
        refused_ = true;
        if (onRefused)
            onRefused(input);
    }
    return state;
}

} // namespace app::screens
