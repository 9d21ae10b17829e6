// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/calendar/CalendarVC.h"

#include "app/screens/calendar/CalendarDay.h"
#include "app/screens/calendar/EventDots.h"
#include "app/screens/calendar/EventRowView.h"
#include "components/calendar/MonthCalendarView.h"
#include "components/visual/EdgeShadowEffect.h"
#include "components/visual/ReadableColumn.h"
#include "core/FirstWeekday.h"
#include "core/LocalizedNumber.h"
#include "core/SharedDefaults.h"
#include "platform/calendar/Clock.h"
#include "platform/events/EventDialogs.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "platform/system/Logging.h"
#include "platform/ui/AlertController.h"
#include "ui_CalendarVC.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMimeData>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <algorithm>

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
// The list goes beside the grid from this width on (and when the screen is
// wider than tall), in a column of this width range.
constexpr int sideBySideMinimumWidth = 760;
constexpr int minimumListWidth = 300;
constexpr int maximumListWidth = 480;
// Under the grid: the list keeps room for about one row, the grid for six
// rows of day numbers.
constexpr int minimumListHeight = 72;
constexpr int minimumGridHeight = 300;

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
    ui_->tableView->setAccessibleName(platform::localized("calendarscreen.a11y.list"));
    ui_->calType->setAccessibleName(platform::localized("calendarscreen.a11y.gridCalendar"));
    // The component names itself in English; a screen reader reads the user's word.
    ui_->calendar->setAccessibleName(platform::localized("calendarscreen.tabTitle"));

    // The two buttons keep their own width; the selector takes the rest.
    for (QPushButton *button : {ui_->todayButton, ui_->addEventButton})
        button->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    ui_->calendar->setDataSource(this);
    ui_->calendar->setDelegate(this);
    ui_->calendar->setDelegateAppearance(this);
    // Dots of calendars without a colour of their own: white, as the day numbers.
    dots_ = new EventDots(eventStore_, Qt::white, this);
    connect(dots_, &EventDots::changed, ui_->calendar, &components::MonthCalendarView::reloadCells);
    addListHeading();

    connect(ui_->todayButton, &QPushButton::clicked, this, &CalendarVC::todayButtonAction);
    connect(ui_->addEventButton, &QPushButton::clicked, this, &CalendarVC::addEventButtonAction);
    connect(ui_->calType, &QTabBar::currentChanged, this, &CalendarVC::calTypeChanged);
    // Files changed by this screen or by another program.
    connect(eventStore_.get(), &platform::EventStore::storeChanged, this, [this] {
        if (!isViewLoaded())
            return;
        loadEventsForSelectedDate();
        dots_->forget();
        refreshDots();
    });
}

CalendarVC::~CalendarVC()
{
    ui_->calendar->setDataSource(nullptr);
    ui_->calendar->setDelegate(nullptr);
    ui_->calendar->setDelegateAppearance(nullptr);
}

void CalendarVC::addListHeading()
{
    auto *heading = new QWidget(this);
    heading->setObjectName(QStringLiteral("listHeading"));
    heading->setAttribute(Qt::WA_StyledBackground, true);
    heading->setStyleSheet(QStringLiteral("QWidget#listHeading { background-color: white; border-bottom: 1px "
                                          "solid rgba(0, 0, 0, 40); } QLabel { color: #202020; }"));
    auto *lines = new QVBoxLayout(heading);
    lines->setContentsMargins(12, 8, 12, 8);
    lines->setSpacing(2);
    listDayLabel_ = new QLabel(heading);
    listDayLabel_->setObjectName(QStringLiteral("listDayLabel"));
    QFont bold = listDayLabel_->font();
    bold.setBold(true);
    listDayLabel_->setFont(bold);
    listHijriDayLabel_ = new QLabel(heading);
    listHijriDayLabel_->setObjectName(QStringLiteral("listHijriDayLabel"));
    noEventsLabel_ = new QLabel(platform::localized("calendarscreen.noEvents"), heading);
    noEventsLabel_->setObjectName(QStringLiteral("noEventsLabel"));
    noEventsLabel_->setStyleSheet(QStringLiteral("color: #707070; padding-top: 6px;"));
    noEventsLabel_->hide();
    for (QLabel *label : {listDayLabel_, listHijriDayLabel_, noEventsLabel_})
        lines->addWidget(label);
    // Heading and list make one column, which the layout puts under the
    // grid or beside it.
    QWidget *table = ui_->tableView;
    QBoxLayout *box = ui_->bodyLayout;
    auto *column = new QWidget(this);
    column->setObjectName(QStringLiteral("listColumn"));
    auto *columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(0);
    const int at = box->indexOf(table);
    box->removeWidget(table);
    columnLayout->addWidget(heading);
    columnLayout->addWidget(table, 1);
    box->insertWidget(at, column, 1);
    listHeading_ = heading;
}

void CalendarVC::showListHeading()
{
    if (!listedDay_)
        return;
    const DayHeading heading = dayHeading(*listedDay_);
    listDayLabel_->setText(heading.gregorian);
    listHijriDayLabel_->setText(heading.hijri);
    noEventsLabel_->setVisible(events_ && events_->empty());
}

bool CalendarVC::loading() const
{
    return pending_ > 0 || dots_->loading();
}

void CalendarVC::refreshDots()
{
    components::MonthCalendarView *calendar = ui_->calendar;
    const components::MonthCalendarModel &model = calendar->model();
    const int page = model.currentPageIndex();
    const int last = std::max(0, model.numberOfPages() - 1);
    // The neighbours too, so that a page turned to shows its dots at once;
    // a week either side covers the days of other months on a page.
    const platform::Instant from =
        gregorianDaySpan(calendar->dateByAddingDays(-7, model.pageStart(std::max(0, page - 1)))).start;
    const platform::Instant to =
        gregorianDaySpan(calendar->dateByAddingDays(7 * 7, model.pageStart(std::min(last, page + 1)))).start;
    dots_->request(from, to);
}

void CalendarVC::viewDidLoad()
{
    eventDateFormater.setDateFormat(QStringLiteral("hh:mm a"));
    layoutForSize(size());
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
    // A calendar's colour may be the theme's blue.
    look.eventOutlineColor = Qt::white;
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
    refreshDots();
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
    showListHeading();
    const quint64 generation = ++*latestRequest_;
    ++pending_;
    const QPointer<CalendarVC> self(this);
    const std::shared_ptr<platform::EventStore> store = eventStore_;
    store->requestAccess(
        [self, store, day, generation, latest = latestRequest_](bool granted, const QString &error) {
            if (!granted) {
                onMainThread([self, error] {
                    platform::consoleDebug(lcCalendar(), QStringLiteral("Access to store not granted"));
                    if (!error.isEmpty())
                        platform::consoleDebug(lcCalendar(), error);
                    if (self)
                        --self->pending_;
                });
                return;
            }
            if (*latest != generation) {
                // Another day was picked while this one waited: its answer would be dropped.
                onMainThread([self] {
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
                platform::consoleDebug(lcCalendar(), QStringLiteral("Access granted"));
            });
        });
}

void CalendarVC::replaceEvents(std::vector<platform::CalendarEvent> events, quint64 generation)
{
    --pending_;
    // An answer to an earlier day comes too late to be shown.
    if (generation != *latestRequest_)
        return;
    events_ = std::move(events);
    reloadTable();
    showListHeading();
    // The first answer after access was granted brings the dots too.
    if (!dots_->answered() && !dots_->loading())
        refreshDots();
    emit eventsReloaded();
}

void CalendarVC::reloadTable()
{
    QListWidget *table = ui_->tableView;
    // The keyboard stays on its event when the list is made again (after the
    // viewer or a deletion closed), rather than dropping out of the list.
    // The window's focus widget, also while a dialog over it is active.
    const QWidget *keyboardAt = table->window()->focusWidget();
    QString focusedEvent;
    for (int row = 0; row < table->count(); ++row) {
        if (EventRowView *view = rowView(row); view && (view == keyboardAt || view->isAncestorOf(keyboardAt)))
            focusedEvent = view->event().identifier;
    }
    bool keepFocus = !focusedEvent.isEmpty();
    table->clear();
    if (!events_) {
        if (keepFocus)
            table->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Every item goes in before any row is placed on one: the list places
    // all its row widgets again at each insertion, which made a day of many
    // events cost the square of their number.
    std::vector<std::pair<QListWidgetItem *, EventRowView *>> made;
    made.reserve(events_->size());
    for (const platform::CalendarEvent &event : *events_) {
        const EventTimeTexts times = eventTimeTexts(event, listedDay_.value_or(event.startDate));
        // Made where the list keeps it, so placing it moves no widget tree.
        auto *row = new EventRowView(event, times.from, times.to,
                                     eventDurationText(event.startDate, event.endDate, event.allDay),
                                     table->viewport());
        auto *item = new QListWidgetItem(table);
        item->setData(Qt::AccessibleTextRole, row->spokenText());
        item->setSizeHint(row->sizeHint());
        made.emplace_back(item, row);
    }
    int index = 0;
    for (const auto &[item, row] : made) {
        table->setItemWidget(item, row);
        const platform::CalendarEvent &event = row->event();
        const platform::CalendarEvent shown = event;
        connect(row, &EventRowView::selected, this, [this, index] { selectRow(index); });
        connect(row, &EventRowView::deleteTapped, this, [this, shown] { deleteEvent(shown); });
        connect(row, &EventRowView::shareTapped, this, [this, shown] { shareEvent(shown); });
        connect(row, &EventRowView::moreTapped, this, [this, shown] { presentViewer(shown); });
        connect(row, &EventRowView::focused, table, [table, item = item] { table->scrollToItem(item); });
        if (animateCells_) {
            connect(row, &EventRowView::entranceFinished, this, [this] { animateCells_ = false; });
            row->startEntrance(index * entranceStaggerMs, entranceMs);
        }
        if (keepFocus && event.identifier == focusedEvent) {
            row->setFocus(Qt::OtherFocusReason);
            keepFocus = false;
        }
        ++index;
    }
    // Its event has gone: the list keeps the keyboard.
    if (keepFocus)
        table->setFocus(Qt::OtherFocusReason);
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
                platform::consoleDebug(lcCalendar(), QStringLiteral("Access to store not granted"));
                if (!error.isEmpty())
                    platform::consoleDebug(lcCalendar(), error);
                return;
            }
            platform::consoleDebug(lcCalendar(), QStringLiteral("Access granted"));
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

int CalendarVC::numberOfEventsForDate(components::MonthCalendarView *, platform::Instant date)
{
    return static_cast<int>(dots_->colorsOn(date).size());
}

std::vector<QColor> CalendarVC::eventColorsForDate(components::MonthCalendarView *, platform::Instant date)
{
    return dots_->colorsOn(date);
}

QString CalendarVC::accessibleDescriptionForDate(components::MonthCalendarView *calendar,
                                                 platform::Instant date)
{
    // The other calendar's whole date, where the cell shows only its day.
    core::RGConv other(date);
    const bool hijriGrid = ui_->calType->currentIndex() == 1;
    other.setDate(date, hijriGrid ? other.islamicCalendar() : other.gregorianCalendar());
    const QString otherDate =
        hijriGrid ? other.gregorianDate()->dateFullString() : other.hijriDate()->dateFullString();
    const int count = numberOfEventsForDate(calendar, date);
    const QString events = count > 0 ? core::localizedCount("calendarscreen.a11y.events", count)
                                     : platform::localized("calendarscreen.a11y.noEvents");
    return otherDate + core::RGDate::listSeparator(platform::Device::localeName()) + events;
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
    platform::consoleDebug(lcCalendar(), QStringLiteral("Selected Date : ") + describe(date));
    // A cell is its own day on either grid.
    conv_.setDate(date, conv_.gregorianCalendar());
    animateCells_ = true;
    requestAccessAndLoad();
}

void CalendarVC::calendarCurrentPageDidChange(components::MonthCalendarView *calendar)
{
    platform::consoleDebug(lcCalendar(), QStringLiteral("change page to ") +
                                             calendar->stringFromDate(calendar->currentPage()));
    animateCells_ = true;
    refreshDots();
}

void CalendarVC::resizeEvent(QResizeEvent *event)
{
    ViewController::resizeEvent(event);
    layoutForSize(event->size());
}

void CalendarVC::layoutForSize(QSize size)
{
    // Below the controls: the grid and the list share what is left.
    const int controls = ui_->topControlsView->sizeHint().height();
    const int body = std::max(0, size.height() - controls);
    sideBySide_ = size.width() >= sideBySideMinimumWidth && size.width() * 3 >= body * 4;
    ui_->bodyLayout->setDirection(sideBySide_ ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    if (sideBySide_) {
        // As desktop calendars do: the month large on one side, the day's
        // events in a column beside it.
        const int list = std::clamp(size.width() * 3 / 10, minimumListWidth, maximumListWidth);
        ui_->calendarBaseView->setFixedWidth(size.width() - list);
        ui_->calendarBaseView->setFixedHeight(body);
    } else {
        ui_->calendarBaseView->setMinimumWidth(0);
        ui_->calendarBaseView->setMaximumWidth(QWIDGETSIZE_MAX);
        // The grid takes most of a short screen (the list scrolls), never
        // all of it, and no more than reads well on a tall one.
        const int heading = listHeading_ ? listHeading_->sizeHint().height() : 0;
        const int grid = std::min({std::max(body * 3 / 5, minimumGridHeight),
                                   body - minimumListHeight - heading, size.width() * 6 / 5});
        ui_->calendarBaseView->setFixedHeight(std::max(0, grid));
    }
}

void CalendarVC::boundingRectWillChange(components::MonthCalendarView *, const QRectF &bounds, bool)
{
    ui_->calendarBaseView->setFixedHeight(static_cast<int>(std::ceil(bounds.height())));
    if (layout())
        layout()->activate();
}

} // namespace app::screens
