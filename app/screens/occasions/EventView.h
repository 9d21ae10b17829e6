// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/screens/occasions/Event.h"

#include <QWidget>
#include <memory>

namespace Ui {
class EventView;
}

namespace app::occasions {

// The occasion card: name, Hijri date, and the Gregorian day, month and year.
class EventView : public QWidget
{
    Q_OBJECT

public:
    explicit EventView(QWidget *parent = nullptr);
    ~EventView() override;

    void setEvent(const Event &occasion);

    Ui::EventView &outlets() { return *ui_; }

private:
    std::unique_ptr<Ui::EventView> ui_;
};

} // namespace app::occasions
