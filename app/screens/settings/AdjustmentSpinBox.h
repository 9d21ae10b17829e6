// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QSpinBox>
#include <functional>

namespace app::screens {

// The adjustment typed as a number. A number beyond the range is refused as
// it is typed and reported to `onRefused`, instead of the plain spin box's
// silent dropping of the last key (400 would be left as 40 and stored).
class AdjustmentSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit AdjustmentSpinBox(QWidget *parent = nullptr);

    // Called with the refused text.
    std::function<void(const QString &)> onRefused;
    // Whether a key was refused since the text was last edited: what is in
    // the field then is what was left of the refused number, not a choice.
    bool refusedSinceEdit() const { return refused_; }

protected:
    QValidator::State validate(QString &input, int &pos) const override;

private:
    mutable bool refused_ = false;
};

} // namespace app::screens
