// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/screens/occasions/Event.h"
#include "components/carousel/Carousel.h"
#include "platform/ui/ViewController.h"

#include <memory>
#include <vector>

namespace Ui {
class EventsVC;
}
class QLabel;

namespace app::occasions {

// The occasions tab: the six yearly Islamic occasions of the current Hijri
// year as cards in a rotary carousel, and under it how long until (or since)
// the one in the centre. Each appearance recomputes them and turns to the
// first occasion that has not passed.
class EventsVC : public platform::ViewController,
                 public components::CarouselDataSource,
                 public components::CarouselDelegate
{
    Q_OBJECT

public:
    explicit EventsVC(QWidget *parent = nullptr);
    ~EventsVC() override;

    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewDidAppear() override;

    int numberOfItemsInCarousel(components::Carousel *carousel) override;
    QWidget *viewForItemAtIndex(components::Carousel *carousel, int index, QWidget *reusingView) override;
    double valueForOption(components::Carousel *carousel, components::CarouselOption option,
                          double withDefault) override;
    void carouselCurrentItemIndexDidChange(components::Carousel *carousel) override;

    const std::vector<EventPtr> &eventsArray() const { return EventsArray; }
    Ui::EventsVC &outlets() { return *ui_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildOccasions();
    // The size the cards are made for: the screen's own, or the window's usual one before layout.
    QSize screenSize() const;
    QSize cardSize() const;
    // Whether the carousel is wide enough to show a neighbour card whole.
    bool sideCardsFit() const;

    std::unique_ptr<Ui::EventsVC> ui_;
    // The occasions the cards show, in the order of the Hijri year.
    std::vector<EventPtr> EventsArray;
    // The least a card needs for its texts, measured once.
    QSize cardMinimum_;
};

} // namespace app::occasions
