// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/carousel/CarouselTypes.h"
#include "components/carousel/Transform3D.h"

namespace components {

class Carousel;

// Options and notifications. Every operation has a default, so a delegate
// overrides only what it needs.
class CarouselDelegate
{
public:
    virtual ~CarouselDelegate() = default;

    virtual void carouselWillBeginScrollingAnimation(Carousel *carousel);
    virtual void carouselDidEndScrollingAnimation(Carousel *carousel);
    virtual void carouselDidScroll(Carousel *carousel);
    virtual void carouselCurrentItemIndexDidChange(Carousel *carousel);
    virtual void carouselWillBeginDragging(Carousel *carousel);
    virtual void carouselDidEndDragging(Carousel *carousel, bool willDecelerate);
    virtual void carouselWillBeginDecelerating(Carousel *carousel);
    virtual void carouselDidEndDecelerating(Carousel *carousel);
    virtual bool shouldSelectItemAtIndex(Carousel *carousel, int index);
    virtual void didSelectItemAtIndex(Carousel *carousel, int index);
    // 0: the width of the first item view loaded.
    virtual double carouselItemWidth(Carousel *carousel);
    // Custom layout type only.
    virtual Transform3D itemTransformForOffset(Carousel *carousel, double offset,
                                               const Transform3D &baseTransform);
    virtual double valueForOption(Carousel *carousel, CarouselOption option, double withDefault);
};

} // namespace components
