// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/calendar/CalendarVC.h"

#include "app/screens/calendar/CalendarDay.h"
#include "app/screens/calendar/EventRowView.h"
#include "components/calendar/MonthCalendarView.h"
#include "components/visual/EdgeShadowEffect.h"
#include "components/visual/ReadableColumn.h"
#include "core/FirstWeekday.h"
#include "core/SharedDefaults.h"
#include "platform/calendar/Clock.h"
#include "platform/events/EventDialogs.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/ui/AlertController.h"
#include "ui_CalendarVC.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMimeData>
#include <QScreen>
#include <QSignalBlocker>

namespace app::screens {

namespace {

// The screen's theme colour.
const QColor themeBlue(0, 0, 255);
constexpr int rangeDays = 600;
constexpr int entranceMs = 1000;
// Rows enter one after another, a twentieth of a second apart.
constexpr int entranceStaggerMs = 50;
// How soon an adjustment saved elsewhere (the settings tab, a terminal) shows.
constexpr int adjustmentWatchMs = 500;

QString describe(platform::Instant instant)
{
    return platform::toQDateTime(instant).toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss +0000"));
}

void onMainThread(std::function<void()> work)
{
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}

} // namespace

CalendarVC::CalendarVC(QWidget *parent)
    : platform::ViewController(parent), ui_(std::make_unique<Ui::CalendarVC>()),
      eventStore_(platform::makeEventStore()), conv_(platform::Clock::current()),
      subtitles_(platform::CalendarIdentifier::gregorian)
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("CalendarVC"));
    // The keyboard's place shows on the blue bar and on the white table alike.
    setStyleSheet(
        styleSheet() +
        QStringLiteral("\nQTabBar#calType::tab:focus { border: 3px solid %1; }"
                       "\nQPushButton#addEventButton:focus, QPushButton#todayButton:focus { border: 3px "
                       "solid %1; }"
                       "\nQListWidget#tableView:focus { border: 3px solid %1; }")
            .arg(QString::fromLatin1(components::focusRingColor)));
    ui_->calType->addTab(platform::localized("calendarscreen.segmentGregorian"));
    ui_->calType->addTab(platform::localized("calendarscreen.segmentUmmAlQura"));
    ui_->todayButton->setText(platform::localized("calendarscreen.today"));
    ui_->addEventButton->setText(platform::localized("calendarscreen.add"));
    ui_->addEventButton->setAccessibleName(platform::localized("calendarscreen.addEvent"));

    // The two buttons keep their own width; the selector takes the rest.
    for (QPushButton *button : {ui_->todayButton, ui_->addEventButton})
        button->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    ui_->calendar->setDataSource(this);
    ui_->calendar->setDelegate(this);

    connect(ui_->todayButton, &QPushButton::clicked, this, &CalendarVC::todayButtonAction);
    connect(ui_->addEventButton, &QPushButton::clicked, this, &CalendarVC::addEventButtonAction);
    connect(ui_->calType, &QTabBar::currentChanged, this, &CalendarVC::calTypeChanged);
    // Files changed by this screen or by another program.
    connect(eventStore_.get(), &platform::EventStore::storeChanged, this, [this] {
        if (isViewLoaded())
            loadEventsForSelectedDate();
    });
}

CalendarVC::~CalendarVC()
{
    ui_->calendar->setDataSource(nullptr);
    ui_->calendar->setDelegate(nullptr);
}

void CalendarVC::viewDidLoad()
{
    eventDateFormater.setDateFormat(QStringLiteral("hh:mm a"));
    const QScreen *screen = QGuiApplication::primaryScreen();
    ui_->calendarBaseView->setFixedHeight(screen ? screen->size().height() / 2 : 300);
    applyCalendarAppearance();
    followAdjustment();
    selectToday();
    adjustmentWatch_ = new QTimer(this);
    adjustmentWatch_->setInterval(adjustmentWatchMs);
    connect(adjustmentWatch_, &QTimer::timeout, this, [this] {
        if (isVisible())
            followAdjustment();
    });
    adjustmentWatch_->start();
}

void CalendarVC::viewWillAppear()
{
    followAdjustment();
    // The first appearance follows viewDidLoad, which has just loaded.
    if (appeared_)
        loadEventsForSelectedDate();
    appeared_ = true;
}

void CalendarVC::followAdjustment()
{
    const std::optional<int> firstWeekday = core::storedFirstWeekday(*core::sharedDefaults());
    if (firstWeekday != shownFirstWeekday_) {
        shownFirstWeekday_ = firstWeekday;
        if (firstWeekday)
            ui_->calendar->setFirstWeekday(*firstWeekday);
        else
            ui_->calendar->useLocaleFirstWeekday();
    }
    const std::int64_t adjustment = subtitles_.adjustmentNumber();
    const bool hijri = ui_->calType->currentIndex() == 1;
    const std::int64_t shift = hijri ? adjustment : 0;
    if (shownAdjustment_ == adjustment && ui_->calendar->dayShift() == shift)
        return;
    shownAdjustment_ = adjustment;
    ui_->calendar->setDayShift(shift);
    // The Gregorian grid's subtitles follow the adjustment too.
    ui_->calendar->reloadData();
}

void CalendarVC::applyCalendarAppearance()
{
    for (QWidget *blue :
         {static_cast<QWidget *>(ui_->calendarBaseView), static_cast<QWidget *>(ui_->calendar)}) {
        blue->setAutoFillBackground(true);
        QPalette palette = blue->palette();
        palette.setColor(QPalette::Window, themeBlue);
        blue->setPalette(palette);
    }
    // A hairline shadow under the filled panel, drawn directly: a blurred
    // drop shadow would render the whole calendar off screen on every paint.
    ui_->calendarBaseView->setGraphicsEffect(new components::EdgeShadowEffect(
        QColor(0, 0, 0, static_cast<int>(255 * 0.3)), QPointF(0, 1), 1, ui_->calendarBaseView));

    components::MonthCalendarAppearance &look = ui_->calendar->appearance();
    look.headerTitleColor = Qt::white;
    look.weekdayTextColor = Qt::white;
    look.titleColors[components::cellstate::normal] = Qt::white;
    look.titleColors[components::cellstate::weekend] = Qt::white;
    look.titleColors[components::cellstate::selected] = themeBlue;
    look.titleColors[components::cellstate::placeholder] = QColor(255, 255, 255, 110);
    look.subtitleColors[components::cellstate::normal] = QColor(255, 255, 255, 200);
    look.subtitleColors[components::cellstate::weekend] = QColor(255, 255, 255, 200);
    look.subtitleColors[components::cellstate::selected] = themeBlue;
    look.subtitleColors[components::cellstate::placeholder] = QColor(255, 255, 255, 90);
    look.fillColors[components::cellstate::selected] = Qt::white;
    look.fillColors[components::cellstate::todaySelected] = Qt::white;
    look.focusColor = QColor(QString::fromLatin1(components::focusRingColor));
    ui_->calendar->appearanceChanged();
}

int CalendarVC::numberOfRows() const
{
    return events_ ? static_cast<int>(events_->size()) : 0;
}

EventRowView *CalendarVC::rowView(int row) const
{
    QListWidgetItem *item = ui_->tableView->item(row);
    return item ? qobject_cast<EventRowView *>(ui_->tableView->itemWidget(item)) : nullptr;
}

void CalendarVC::todayButtonAction()
{
    selectToday();
}

void CalendarVC::calTypeChanged()
{
    applyCalendarType();
}

void CalendarVC::selectToday()
{
    conv_.setDate(platform::Clock::current(), conv_.gregorianCalendar());
    // Both grids show every day under itself; the Hijri grid names it by its
    // adjusted Hijri date.
    ui_->calendar->selectDate(conv_.gregorianDate()->date(), true);
    requestAccessAndLoad();
}

void CalendarVC::applyCalendarType()
{
    if (const auto selected = ui_->calendar->selectedDate())
        ui_->calendar->deselectDate(*selected);
    const bool hijri = ui_->calType->currentIndex() == 1;
    const auto identifier =
        hijri ? platform::CalendarIdentifier::islamicUmmAlQura : platform::CalendarIdentifier::gregorian;
    subtitles_.setGridCalendar(identifier);
    const std::int64_t shift = hijri ? subtitles_.adjustmentNumber() : 0;
    if (!hijri)
        ui_->calendar->setDayShift(shift);
    ui_->calendar->setIdentifier(identifier);
    ui_->calendar->setDayShift(shift);
    shownAdjustment_ = subtitles_.adjustmentNumber();
    ui_->calendar->selectDate(conv_.gregorianDate()->date(), true);
    ui_->calendar->reloadData();
}

void CalendarVC::loadEventsForSelectedDate()
{
    requestAccessAndLoad();
}

void CalendarVC::requestAccessAndLoad()
{
    const auto selected = ui_->calendar->selectedDate();
    if (!selected)
        return;
    const platform::Instant day = *selected;
    listedDay_ = day;
    const quint64 generation = ++generation_;
    ++pending_;
    const QPointer<CalendarVC> self(this);
    const std::shared_ptr<platform::EventStore> store = eventStore_;
    store->requestAccess([self, store, day, generation](bool granted, const QString &error) {
        if (!granted) {
            onMainThread([self, error] {
                platform::consoleLog(QStringLiteral("Access to store not granted"));
                if (!error.isEmpty())
                    platform::consoleLog(error);
                if (self)
                    --self->pending_;
            });
            return;
        }
        // The query runs here, on the store's thread, away from the window.
        auto events = eventsOfDay(*store, day);
        onMainThread([self, events = std::move(events), generation]() mutable {
            if (!self)
                return;
            self->replaceEvents(std::move(events), generation);
            platform::consoleLog(QStringLiteral("Access granted"));
        });
    });
}

void CalendarVC::replaceEvents(std::vector<platform::CalendarEvent> events, quint64 generation)
{
    --pending_;
    // An answer to an earlier day comes too late to be shown.
    if (generation != generation_)
        return;
    events_ = std::move(events);
    reloadTable();
    emit eventsReloaded();
}

void CalendarVC::reloadTable()
{
    QListWidget *table = ui_->tableView;
    table->clear();
    if (!events_)
        return;
    int index = 0;
    for (const platform::CalendarEvent &event : *events_) {
        auto *row = new EventRowView(event, eventDateFormater.string(event.startDate),
                                     eventDateFormater.string(event.endDate),
                                     eventDurationText(event.startDate, event.endDate, event.allDay));
        auto *item = new QListWidgetItem(table);
        item->setSizeHint(row->sizeHint());
        table->setItemWidget(item, row);
        const platform::CalendarEvent shown = event;
        connect(row, &EventRowView::selected, this, [this, index] { selectRow(index); });
        connect(row, &EventRowView::deleteTapped, this, [this, shown] { deleteEvent(shown); });
        connect(row, &EventRowView::shareTapped, this, [this, shown] { shareEvent(shown); });
        connect(row, &EventRowView::moreTapped, this, [this, shown] { presentViewer(shown); });
        if (animateCells_) {
            connect(row, &EventRowView::entranceFinished, this, [this] { animateCells_ = false; });
            row->startEntrance(index * entranceStaggerMs, entranceMs);
        }
        ++index;
    }
}

void CalendarVC::finishRowAnimations()
{
    for (int row = 0; row < ui_->tableView->count(); ++row) {
        if (EventRowView *view = rowView(row))
            view->finishEntrance();
    }
}

void CalendarVC::selectRow(int row)
{
    if (events_ && row >= 0 && row < static_cast<int>(events_->size()))
        presentViewer((*events_)[static_cast<std::size_t>(row)]);
}

void CalendarVC::deleteEvent(const platform::CalendarEvent &event)
{
    const QPointer<CalendarVC> self(this);
    const auto remove = [self, event](platform::EventSpan span) {
        if (!self)
            return;
        QString error;
        const bool removed = self->eventStore_->removeEvent(event, span, &error);
        // Refused or not, the list shows the calendar as it is now.
        self->loadEventsForSelectedDate();
        if (!removed)
            self->showError(error);
    };
    if (event.recurring) {
        platform::askEventSpan(this, platform::localized("calendarscreen.deleteTitle"),
                               platform::localized("calendarscreen.deleteRepeatingMessage").arg(event.title),
                               true, remove);
        return;
    }
    auto *alert = new platform::AlertController(
        platform::localized("calendarscreen.deleteTitle"),
        platform::localized("calendarscreen.deleteMessage").arg(event.title), this);
    alert->addAction(platform::localized("calendarscreen.cancel"),
                     platform::AlertController::ActionStyle::Cancel);
    alert->addAction(platform::localized("calendarscreen.deleteConfirm"),
                     platform::AlertController::ActionStyle::Destructive,
                     [remove] { remove(platform::EventSpan::allEvents); });
    alert->showOver(this);
}

void CalendarVC::shareEvent(const platform::CalendarEvent &event)
{
    auto *copied = new QMimeData;
    copied->setText(platform::eventShareText(event));
    const QByteArray ics = eventStore_->iCalendarData(event);
    if (!ics.isEmpty())
        copied->setData(QStringLiteral("text/calendar"), ics);
    QGuiApplication::clipboard()->setMimeData(copied);
    auto *alert = new platform::AlertController(platform::localized("calendarscreen.copiedTitle"),
                                                platform::localized("calendarscreen.copiedMessage"), this);
    alert->addAction(platform::localized("calendarscreen.ok"),
                     platform::AlertController::ActionStyle::Cancel);
    alert->showOver(this);
}

void CalendarVC::showError(const QString &message)
{
    auto *alert =
        new platform::AlertController(platform::localized("calendarscreen.errorTitle"), message, this);
    alert->addAction(platform::localized("calendarscreen.ok"),
                     platform::AlertController::ActionStyle::Cancel);
    alert->showOver(this);
}

void CalendarVC::addEventButtonAction()
{
    const QPointer<CalendarVC> self(this);
    eventStore_->requestAccess([self](bool granted, const QString &error) {
        onMainThread([self, granted, error] {
            if (!granted) {
                platform::consoleLog(QStringLiteral("Access to store not granted"));
                if (!error.isEmpty())
                    platform::consoleLog(error);
                return;
            }
            platform::consoleLog(QStringLiteral("Access granted"));
            if (self)
                self->presentEditor();
        });
    });
}

void CalendarVC::presentEditor()
{
    std::optional<platform::Instant> day = listedDay_;
    auto *editor = new platform::EventEditDialog(eventStore_, std::nullopt, day, this);
    connect(editor, &QDialog::finished, this, [this] { loadEventsForSelectedDate(); });
    editor->open();
}

void CalendarVC::presentViewer(const platform::CalendarEvent &event)
{
    const bool editable = event.calendar && event.calendar->allowsContentModifications;
    auto *viewer = new platform::EventViewDialog(eventStore_, event, editable, this);
    connect(viewer, &QDialog::finished, this, [this] { loadEventsForSelectedDate(); });
    viewer->open();
}

QString CalendarVC::subtitleForDate(components::MonthCalendarView *, platform::Instant date)
{
    return subtitles_.otherDay(date);
}

int CalendarVC::numberOfEventsForDate(components::MonthCalendarView *, platform::Instant)
{
    return 0;
}

std::shared_ptr<const QImage> CalendarVC::imageForDate(components::MonthCalendarView *, platform::Instant)
{
    return nullptr;
}

std::optional<platform::Instant> CalendarVC::minimumDateForCalendar(components::MonthCalendarView *calendar)
{
    return calendar->dateByAddingDays(-rangeDays, platform::Clock::current());
}

std::optional<platform::Instant> CalendarVC::maximumDateForCalendar(components::MonthCalendarView *calendar)
{
    return calendar->dateByAddingDays(rangeDays, platform::Clock::current());
}

void CalendarVC::didSelectDate(components::MonthCalendarView *, platform::Instant date)
{
    platform::consoleLog(QStringLiteral("Selected Date : ") + describe(date));
    // A cell is its own day on either grid.
    conv_.setDate(date, conv_.gregorianCalendar());
    animateCells_ = true;
    requestAccessAndLoad();
}

void CalendarVC::calendarCurrentPageDidChange(components::MonthCalendarView *calendar)
{
    platform::consoleLog(QStringLiteral("change page to ") +
                         calendar->stringFromDate(calendar->currentPage()));
    animateCells_ = true;
}

void CalendarVC::boundingRectWillChange(components::MonthCalendarView *, const QRectF &bounds, bool)
{
    ui_->calendarBaseView->setFixedHeight(static_cast<int>(std::ceil(bounds.height())));
    if (layout())
        layout()->activate();
}

} // namespace app::screens
