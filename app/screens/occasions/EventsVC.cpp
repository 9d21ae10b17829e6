// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/occasions/EventsVC.h"

#include "app/screens/occasions/EventView.h"
#include "app/screens/occasions/OccasionsICalendar.h"
#include "app/screens/occasions/TimingLabelView.h"
#include "components/visual/ReadableColumn.h"
#include "components/visual/WallpaperBackground.h"
#include "core/GlobalSettings.h"
#include "platform/calendar/Clock.h"
#include "platform/events/EventImportDialog.h"
#include "platform/localization/Localization.h"
#include "ui_EventsVC.h"

#include <QPushButton>
#include <QResizeEvent>
#include <cmath>

namespace app::occasions {

namespace {
// The cards' share of the screen, and how the ring is drawn for six cards.
constexpr double occasionCardWidthDivisor = 1.7;
constexpr double cardHeightShare = 0.47;
// A desktop window can be far larger than a phone: beyond this a card only
// grows empty.
const QSize largestCard(300, 420);
// The neighbours stand about 1.13 card widths from the centre and reach
// 1.63 widths out: they are shown only where the carousel has room for them
// whole, so a narrow window never shows a cut-off fragment of one.
constexpr double widthsForThreeCards = 3.4;
constexpr double arcShare = 0.25;
constexpr double spacingScale = 1.15;
constexpr qreal timingCornerRadius = 100;
const QSize usualScreenSize(420, 700);
// Enough years ahead to plan by, few enough to read through before adding.
constexpr int yearsToAdd = 5;
} // namespace

EventsVC::EventsVC(QWidget *parent) : platform::ViewController(parent), ui_(std::make_unique<Ui::EventsVC>())
{
    ui_->setupUi(this);
    ui_->titleLabel->setText(platform::localized("occasions.title"));
    ui_->carousel->setAccessibleName(platform::localized("occasions.title"));
    // The title sits on a panel of its own size, clear of the wallpaper's moon.
    ui_->titleLayout->setAlignment(ui_->titleLabel, Qt::AlignHCenter);
    setStyleSheet(styleSheet() + components::legibilityStyleSheet() +
                  QStringLiteral("#titleLabel { background-color: rgba(0, 0, 0, %1); border-radius: 10px; "
                                 "padding: 4px 16px; }")
                      .arg(components::legibilityPanelAlpha));
    // The occasions into the user's own calendar, where desktop calendars and
    // phones that sync with it show them too.
    auto *addToCalendar =
        new QPushButton(platform::localized("occasions.addToCalendar"), ui_->wallpaperImageView);
    addToCalendar->setObjectName(QStringLiteral("addToCalendarButton"));
    ui_->contentLayout->addSpacing(12);
    ui_->contentLayout->addWidget(addToCalendar, 0, Qt::AlignHCenter);
    ui_->contentLayout->addSpacing(8);
    connect(addToCalendar, &QPushButton::clicked, this, [this] {
        platform::EventImportDialog::openData(occasionsICalendar(platform::Clock::current(), yearsToAdd),
                                              platform::localized("occasions.title"), window());
    });
    // Short windows scroll rather than squeeze the cards; the ring keeps the full width.
    components::makeReadableColumn(ui_->wallpaperImageView, QWIDGETSIZE_MAX);
    buildOccasions();
    for (const EventPtr &occasion : EventsArray) {
        EventView card;
        card.setEvent(*occasion);
        cardMinimum_ = cardMinimum_.expandedTo(card.minimumSizeHint());
    }
    ui_->carousel->setMinimumHeight(cardMinimum_.height() + 16);
    ui_->carousel->setDelegate(this);
    ui_->carousel->setDataSource(this);
}

EventsVC::~EventsVC()
{
    ui_->carousel->setDataSource(nullptr);
    ui_->carousel->setDelegate(nullptr);
}

void EventsVC::buildOccasions()
{
    EventsArray = occasions::buildOccasions(platform::Clock::current());
}

void EventsVC::viewDidLoad()
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    ui_->carousel->setType(components::CarouselType::rotary);
}

void EventsVC::viewWillAppear()
{
    ui_->wallpaperImageView->setImageName(core::GlobalSettings::currentWallpaperName());
    buildOccasions();
}

void EventsVC::viewDidAppear()
{
    ui_->timingLabelView->setBottomCornerRadius(timingCornerRadius);
    if (!EventsArray.empty())
        ui_->carousel->reloadData();
    const int open = openingIndex(EventsArray);
    if (open < 0)
        return;
    ui_->carousel->scrollToItemAtIndex(open, true);
    ui_->timingLabel->setText(EventsArray[static_cast<std::size_t>(open)]->days);
}

int EventsVC::numberOfItemsInCarousel(components::Carousel *)
{
    return static_cast<int>(EventsArray.size());
}

QSize EventsVC::screenSize() const
{
    return size().isEmpty() ? usualScreenSize : size();
}

QSize EventsVC::cardSize() const
{
    const QSize screen = screenSize();
    const QSize share(static_cast<int>(std::lround(screen.width() / occasionCardWidthDivisor)),
                      static_cast<int>(std::lround(screen.height() * cardHeightShare)));
    // Never smaller than the card's own content, so no text is cut.
    return share.boundedTo(largestCard).expandedTo(cardMinimum_);
}

bool EventsVC::sideCardsFit() const
{
    return ui_->carousel->width() >= cardSize().width() * widthsForThreeCards;
}

QWidget *EventsVC::viewForItemAtIndex(components::Carousel *, int index, QWidget *)
{
    if (index < 0 || index >= static_cast<int>(EventsArray.size()))
        return nullptr;
    auto *card = new EventView;
    card->resize(cardSize());
    card->setEvent(*EventsArray[static_cast<std::size_t>(index)]);
    return card;
}

double EventsVC::valueForOption(components::Carousel *, components::CarouselOption option, double withDefault)
{
    switch (option) {
    case components::CarouselOption::wrap:
        return 0.0;
    case components::CarouselOption::arc:
        return withDefault * arcShare;
    case components::CarouselOption::spacing:
        return withDefault * spacingScale;
    // Only the centre card, and its two neighbours where they fit whole; the
    // others fade out as they turn away.
    case components::CarouselOption::fadeMin:
        return sideCardsFit() ? -1.0 : 0.0;
    case components::CarouselOption::fadeMax:
        return sideCardsFit() ? 1.0 : 0.0;
    case components::CarouselOption::fadeRange:
        return 1.0;
    case components::CarouselOption::fadeMinAlpha:
        return 0.0;
    default:
        return withDefault;
    }
}

void EventsVC::carouselCurrentItemIndexDidChange(components::Carousel *carousel)
{
    const int index = carousel->currentItemIndex();
    // An emptied carousel reports index -1: clear the label rather than read past the list.
    if (index < 0 || index >= static_cast<int>(EventsArray.size())) {
        ui_->timingLabel->clear();
        return;
    }
    ui_->timingLabel->setText(EventsArray[static_cast<std::size_t>(index)]->days);
}

void EventsVC::resizeEvent(QResizeEvent *event)
{
    platform::ViewController::resizeEvent(event);
    // The cards are sized from the screen: make them again for the new size.
    if (isViewLoaded() && !EventsArray.empty() && event->oldSize() != event->size())
        ui_->carousel->reloadData();
}

} // namespace app::occasions
