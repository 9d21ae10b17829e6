// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

class QWidget;

namespace components {

class Carousel;

// Supplies the carousel's items. The carousel takes ownership of every view
// it is given; a view it offers for reuse may be returned reconfigured or
// ignored (the carousel then deletes it).
class CarouselDataSource
{
public:
    virtual ~CarouselDataSource() = default;
    virtual int numberOfItemsInCarousel(Carousel *carousel) = 0;
    // nullptr: an empty view stands in for the item.
    virtual QWidget *viewForItemAtIndex(Carousel *carousel, int index, QWidget *reusingView) = 0;
    // Views shown beyond the ends when the row does not wrap.
    virtual int numberOfPlaceholdersInCarousel(Carousel *carousel);
    virtual QWidget *placeholderViewAtIndex(Carousel *carousel, int index, QWidget *reusingView);
};

} // namespace components
