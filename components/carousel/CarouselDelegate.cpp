// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/carousel/CarouselDelegate.h"

#include "components/carousel/CarouselDataSource.h"

namespace components {

int CarouselDataSource::numberOfPlaceholdersInCarousel(Carousel *)
{
    return 0;
}

QWidget *CarouselDataSource::placeholderViewAtIndex(Carousel *, int, QWidget *)
{
    return nullptr;
}

void CarouselDelegate::carouselWillBeginScrollingAnimation(Carousel *) {}
void CarouselDelegate::carouselDidEndScrollingAnimation(Carousel *) {}
void CarouselDelegate::carouselDidScroll(Carousel *) {}
void CarouselDelegate::carouselCurrentItemIndexDidChange(Carousel *) {}
void CarouselDelegate::carouselWillBeginDragging(Carousel *) {}
void CarouselDelegate::carouselDidEndDragging(Carousel *, bool) {}
void CarouselDelegate::carouselWillBeginDecelerating(Carousel *) {}
void CarouselDelegate::carouselDidEndDecelerating(Carousel *) {}

bool CarouselDelegate::shouldSelectItemAtIndex(Carousel *, int)
{
    return true;
}

void CarouselDelegate::didSelectItemAtIndex(Carousel *, int) {}

double CarouselDelegate::carouselItemWidth(Carousel *)
{
    return 0.0;
}

Transform3D CarouselDelegate::itemTransformForOffset(Carousel *, double, const Transform3D &baseTransform)
{
    return baseTransform;
}

double CarouselDelegate::valueForOption(Carousel *, CarouselOption, double withDefault)
{
    return withDefault;
}

} // namespace components
