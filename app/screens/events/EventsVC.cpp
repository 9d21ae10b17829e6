#include "app/screens/events/EventsVC.h"

#include "app/screens/events/EventView.h"
#include "app/screens/events/TimingLabelView.h"
#include "components/visual/WallpaperBackground.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "ui_EventsVC.h"

#include <QResizeEvent>
#include <cmath>

namespace events {

namespace {
// The cards' share of the screen, and how the ring is drawn for six cards.
constexpr double cardWidthDivisor = 1.7;
constexpr double cardHeightShare = 0.47;
constexpr double arcShare = 0.25;
constexpr double spacingScale = 1.15;
constexpr qreal timingCornerRadius = 100;
const QSize usualScreenSize(420, 700);
} // namespace

EventsVC::EventsVC(QWidget *parent) : platform::ViewController(parent), ui_(std::make_unique<Ui::EventsVC>())
{
    ui_->setupUi(this);
    ui_->titleLabel->setText(platform::localized("occasions.title"));
    buildOccasions();
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
    EventsArray = events::buildOccasions(platform::Clock::current());
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
    ui_->wallpaperImageView->refresh();
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

QWidget *EventsVC::viewForItemAtIndex(components::Carousel *, int index, QWidget *)
{
    if (index < 0 || index >= static_cast<int>(EventsArray.size()))
        return nullptr;
    auto *card = new EventView;
    const QSize screen = screenSize();
    card->resize(static_cast<int>(std::lround(screen.width() / cardWidthDivisor)),
                 static_cast<int>(std::lround(screen.height() * cardHeightShare)));
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

} // namespace events
