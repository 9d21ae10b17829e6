// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// A window with the month calendar alone: Gregorian or Umm al-Qura, month or
// week, English or Arabic, with the other calendar's day under every day as
// the calendar screen shows it. With --screenshots DIR it writes a picture of
// every combination instead.
#include "components/calendar/MonthCalendarView.h"
#include "components/calendar/OtherCalendarDaySource.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

using components::MonthCalendarScope;
using components::MonthCalendarView;
using platform::CalendarIdentifier;

// Keeps the calendar as tall as it asks to be, like the calendar screen, and
// says which day was picked.
class Owner final : public components::MonthCalendarDelegate
{
public:
    Owner(MonthCalendarView *view, QLabel *status) : view_(view), status_(status) {}

    void boundingRectWillChange(MonthCalendarView *, const QRectF &bounds, bool) override
    {
        view_->setFixedHeight(qRound(bounds.height()));
    }
    void didSelectDate(MonthCalendarView *calendar, platform::Instant date) override
    {
        status_->setText(QStringLiteral("selected %1").arg(calendar->stringFromDate(date)));
    }
    void calendarCurrentPageDidChange(MonthCalendarView *calendar) override
    {
        status_->setText(QStringLiteral("page %1").arg(calendar->stringFromDate(calendar->currentPage())));
    }

private:
    MonthCalendarView *view_;
    QLabel *status_;
};

struct Choice
{
    CalendarIdentifier calendar;
    MonthCalendarScope scope;
    QString locale;
};

void apply(MonthCalendarView &view, components::OtherCalendarDaySource &source, const Choice &choice)
{
    view.setScope(MonthCalendarScope::month, false);
    view.setLocaleName(choice.locale);
    source.setGridCalendar(choice.calendar);
    view.setIdentifier(choice.calendar);
    view.reloadData();
    view.selectDate(view.today(), true);
    view.setScope(choice.scope, false);
    view.settle();
}

struct Boxes
{
    QComboBox *calendar;
    QComboBox *scope;
    QComboBox *locale;
};

// Shows `choice` with the boxes saying so, without their signals applying it twice.
void show(QWidget &window, MonthCalendarView &view, components::OtherCalendarDaySource &source,
          const Boxes &boxes, const Choice &choice)
{
    const QSignalBlocker calendarBlock(boxes.calendar);
    const QSignalBlocker scopeBlock(boxes.scope);
    const QSignalBlocker localeBlock(boxes.locale);
    boxes.calendar->setCurrentIndex(choice.calendar == CalendarIdentifier::gregorian ? 0 : 1);
    boxes.scope->setCurrentIndex(choice.scope == MonthCalendarScope::month ? 0 : 1);
    boxes.locale->setCurrentText(choice.locale);
    window.setLayoutDirection(choice.locale.startsWith(QLatin1String("ar")) ? Qt::RightToLeft
                                                                            : Qt::LeftToRight);
    apply(view, source, choice);
    QApplication::processEvents();
}

// A picture of every combination into `dir`; false when one could not be written.
bool writeScreenshots(QWidget &window, MonthCalendarView &view, components::OtherCalendarDaySource &source,
                      const Boxes &boxes, const QDir &dir)
{
    bool ok = true;
    for (const QString &locale : {QStringLiteral("en_US"), QStringLiteral("ar_SA")}) {
        for (const CalendarIdentifier calendar :
             {CalendarIdentifier::gregorian, CalendarIdentifier::islamicUmmAlQura}) {
            for (const MonthCalendarScope scope : {MonthCalendarScope::month, MonthCalendarScope::week}) {
                show(window, view, source, boxes, Choice{calendar, scope, locale});
                const QString name =
                    QStringLiteral("calendar-%1-%2-%3.png")
                        .arg(calendar == CalendarIdentifier::gregorian ? QStringLiteral("gregorian")
                                                                       : QStringLiteral("hijri"),
                             scope == MonthCalendarScope::month ? QStringLiteral("month")
                                                                : QStringLiteral("week"),
                             locale.left(2));
                const QString path = dir.filePath(name);
                const bool saved = window.grab().save(path);
                qInfo("%s %s", saved ? "wrote" : "could not write", qPrintable(path));
                ok = ok && saved;
            }
        }
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("screenshots"), QStringLiteral("Write PNGs to this folder and quit."),
                      QStringLiteral("dir")});
    parser.process(app);
    const bool shooting = parser.isSet(QStringLiteral("screenshots"));

    // Made before the window, so that it outlives the view that reads it.
    components::OtherCalendarDaySource source(CalendarIdentifier::gregorian);
    source.setRangeAroundNow(600);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Month calendar gallery"));
    window.setStyleSheet(QStringLiteral("QWidget#gallery { background: white; }"));
    window.setObjectName(QStringLiteral("gallery"));
    window.resize(390, 520);
    auto *layout = new QVBoxLayout(&window);
    auto *controls = new QHBoxLayout;
    auto *calendarBox = new QComboBox;
    calendarBox->addItems({QStringLiteral("Gregorian"), QStringLiteral("Umm al-Qura")});
    auto *scopeBox = new QComboBox;
    scopeBox->addItems({QStringLiteral("Month"), QStringLiteral("Week")});
    auto *localeBox = new QComboBox;
    localeBox->addItems({QStringLiteral("en_US"), QStringLiteral("ar_SA")});
    controls->addWidget(calendarBox);
    controls->addWidget(scopeBox);
    controls->addWidget(localeBox);
    layout->addLayout(controls);
    auto clock = std::make_shared<components::ManualMediaClock>();
    auto *view = shooting ? new MonthCalendarView(nullptr, clock) : new MonthCalendarView;
    view->setFixedHeight(330);
    view->setShowsScopeHandle(true);
    layout->addWidget(view);
    auto *status = new QLabel;
    layout->addWidget(status);
    layout->addStretch();

    Owner owner(view, status);
    view->setDelegate(&owner);
    view->setDataSource(&source);

    const auto current = [calendarBox, scopeBox, localeBox] {
        return Choice{calendarBox->currentIndex() == 1 ? CalendarIdentifier::islamicUmmAlQura
                                                       : CalendarIdentifier::gregorian,
                      scopeBox->currentIndex() == 1 ? MonthCalendarScope::week : MonthCalendarScope::month,
                      localeBox->currentText()};
    };
    QObject::connect(calendarBox, &QComboBox::currentIndexChanged, view,
                     [view, days = &source, current] { apply(*view, *days, current()); });
    QObject::connect(localeBox, &QComboBox::currentIndexChanged, view,
                     [view, days = &source, current] { apply(*view, *days, current()); });
    QObject::connect(scopeBox, &QComboBox::currentIndexChanged, view, [view, scopeBox] {
        view->setScope(scopeBox->currentIndex() == 1 ? MonthCalendarScope::week : MonthCalendarScope::month,
                       true);
    });
    apply(*view, source, current());

    if (!shooting) {
        window.show();
        view->setFocus();
        return app.exec();
    }

    const QDir dir(parser.value(QStringLiteral("screenshots")));
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QApplication::processEvents();
    return writeScreenshots(window, *view, source, {calendarBox, scopeBox, localeBox}, dir) ? 0 : 1;
}
