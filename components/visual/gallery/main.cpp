// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// qamarly-gallery-visual [--arabic] [--wallpaper N] [--grab <folder>]
//
// Shows the visual components over a wallpaper: a large morphing label that
// counts through Hijri days and years, a date picker on either calendar and a
// round button. Arrow buttons change the label by hand. With --grab the
// window is rendered to PNGs (English and Arabic, mid-change and settled),
// which works on the offscreen platform.
#include "components/visual/CircledButton.h"
#include "components/visual/DatePicker.h"
#include "components/visual/MorphingLabel.h"
#include "components/visual/WallpaperBackground.h"
#include "core/GlobalSettings.h"
#include "platform/bundle/ImageAssets.h"
#include "platform/calendar/Calendar.h"
#include "platform/calendar/Clock.h"
#include "platform/calendar/NumberFormatter.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCommandLineParser>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <memory>

namespace {

class Gallery : public QWidget
{
public:
    Gallery(bool arabic, int wallpaper)
    {
        setWindowTitle(QStringLiteral("Qamarly visual components"));
        setLayoutDirection(arabic ? Qt::RightToLeft : Qt::LeftToRight);
        numbers_.setLocaleName(arabic ? QStringLiteral("ar") : QStringLiteral("en"));
        resize(420, 760);

        auto *background = components::WallpaperBackground::install(this);
        background->setImageName(core::GlobalSettings::wallpaperAssetName(wallpaper));

        auto *column = new QVBoxLayout(this);
        column->setContentsMargins(24, 28, 24, 24);
        column->setSpacing(14);

        auto *caption =
            new QLabel(arabic ? QStringLiteral("اليوم الهجري") : QStringLiteral("Hijri day"), this);
        caption->setAlignment(Qt::AlignCenter);
        caption->setStyleSheet(QStringLiteral("color: rgba(255,255,255,200); font-size: 18px;"));
        column->addWidget(caption);

        bubble_ = new QLabel(this);
        bubble_->setMinimumHeight(190);
        bubble_->setAlignment(Qt::AlignCenter);
        bubble_->setPixmap(QPixmap(platform::ImageAssets::resourcePath(arabic ? QStringLiteral("buble-ar")
                                                                              : QStringLiteral("buble-en")))
                               .scaled(340, 240, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        auto *bubbleLayout = new QVBoxLayout(bubble_);
        bubbleLayout->setContentsMargins(0, 0, 0, 40);
        day_ = new components::MorphingLabel(bubble_);
        QFont big = day_->font();
        big.setPixelSize(96);
        big.setBold(true);
        day_->setFont(big);
        day_->setAlignment(Qt::AlignCenter);
        day_->setTextColor(Qt::white);
        bubbleLayout->addWidget(day_);
        column->addWidget(bubble_);

        year_ = new components::MorphingLabel(this);
        QFont medium = year_->font();
        medium.setPixelSize(40);
        year_->setFont(medium);
        year_->setAlignment(Qt::AlignCenter);
        year_->setTextColor(Qt::white);
        year_->setMinimumHeight(56);
        column->addWidget(year_);

        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        auto *back = new components::CircledButton(QStringLiteral("−"), this);
        auto *adjustment = new components::CircledButton(numbers_.string(-1), this);
        adjustment->setFixedSize(48, 48);
        auto *forward = new components::CircledButton(QStringLiteral("+"), this);
        for (auto *button : {back, forward}) {
            button->setFixedSize(56, 56);
            QFont f = button->font();
            f.setPixelSize(28);
            button->setFont(f);
        }
        buttons->addWidget(back);
        buttons->addWidget(adjustment);
        buttons->addWidget(forward);
        buttons->addStretch();
        column->addLayout(buttons);

        auto *calendars = new QHBoxLayout;
        auto *gregorian =
            new QRadioButton(arabic ? QStringLiteral("ميلادي") : QStringLiteral("Gregorian"), this);
        auto *hijri = new QRadioButton(arabic ? QStringLiteral("هجري") : QStringLiteral("Hijri"), this);
        for (auto *radio : {gregorian, hijri})
            radio->setStyleSheet(QStringLiteral("color: white;"));
        hijri->setChecked(true);
        calendars->addStretch();
        calendars->addWidget(gregorian);
        calendars->addWidget(hijri);
        calendars->addStretch();
        column->addLayout(calendars);

        picker_ = new components::DatePicker(this);
        picker_->setLocaleName(arabic ? QStringLiteral("ar") : QStringLiteral("en"));
        picker_->setCalendar(platform::Calendar::islamicUmmAlQura());
        picker_->setDate(platform::Clock::current());
        picker_->setMinimumHeight(200);
        column->addWidget(picker_);
        column->addStretch();

        connect(back, &QPushButton::clicked, this, [this] { stepDays(-1); });
        connect(forward, &QPushButton::clicked, this, [this] { stepDays(1); });
        connect(gregorian, &QRadioButton::toggled, this, [this](bool on) {
            picker_->setCalendar(on ? platform::Calendar::gregorian()
                                    : platform::Calendar::islamicUmmAlQura());
            showPicked();
        });
        connect(picker_, &components::DatePicker::valueChanged, this, [this] { showPicked(); });
        showPicked();

        auto *autoplay = new QTimer(this);
        autoplay->setInterval(1600);
        connect(autoplay, &QTimer::timeout, this, [this] { stepDays(1); });
        if (!qEnvironmentVariableIsSet("QAMARLY_GALLERY_STILL"))
            autoplay->start();
    }

    void stepDays(int days)
    {
        if (const auto next = picker_->calendar().dateByAddingDays(days, picker_->date()))
            picker_->setDate(*next, true);
        showPicked();
    }

    void showPicked()
    {
        const auto c = picker_->calendar().components(picker_->date());
        day_->setText(numbers_.string(c.day));
        year_->setText(numbers_.string(c.year));
    }

    void settle()
    {
        for (auto *label : {day_, year_})
            while (label->isMorphing())
                label->displayFrameTick();
    }
    void tick(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            day_->displayFrameTick();
            year_->displayFrameTick();
        }
    }
    components::DatePicker *picker() const { return picker_; }
    void setPickerDate(platform::Instant at)
    {
        picker_->setDate(at);
        showPicked();
    }

private:
    platform::NumberFormatter numbers_;
    QLabel *bubble_ = nullptr;
    components::MorphingLabel *day_ = nullptr;
    components::MorphingLabel *year_ = nullptr;
    components::DatePicker *picker_ = nullptr;
};

bool grabAll(const QString &folder, int wallpaper)
{
    QDir().mkpath(folder);
    bool ok = true;
    for (const bool arabic : {false, true}) {
        Gallery gallery(arabic, wallpaper);
        gallery.show();
        QApplication::processEvents();
        // 29 Dhu al-Hijjah 1446 to 1 Muharram 1447: both labels change.
        const platform::Calendar hijri = platform::Calendar::islamicUmmAlQura();
        gallery.setPickerDate(*hijri.date(1446, 12, 29, 12));
        gallery.settle();
        gallery.setPickerDate(*hijri.date(1447, 1, 1, 12));
        const QString stem =
            folder + (arabic ? QStringLiteral("/gallery-ar") : QStringLiteral("/gallery-en"));
        for (const int frames : {8, 14}) {
            gallery.tick(frames);
            ok = gallery.grab().save(stem + QStringLiteral("-morphing-%1.png").arg(frames)) && ok;
        }
        gallery.settle();
        QApplication::processEvents();
        ok = gallery.grab().save(stem + QStringLiteral("-settled.png")) && ok;
        // The picker is drawn over the wallpaper, as the screens show it.
        ok = gallery.grab(gallery.picker()->geometry()).save(stem + QStringLiteral("-picker.png")) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption arabic(QStringLiteral("arabic"),
                                    QStringLiteral("Right-to-left, Arabic digits and names."));
    const QCommandLineOption wallpaper(QStringLiteral("wallpaper"),
                                       QStringLiteral("Wallpaper number, 0 to 28."), QStringLiteral("n"),
                                       QStringLiteral("18"));
    const QCommandLineOption grab(QStringLiteral("grab"), QStringLiteral("Write PNGs to a folder and quit."),
                                  QStringLiteral("folder"));
    parser.addOptions({arabic, wallpaper, grab});
    parser.process(app);
    const int number =
        std::clamp(parser.value(wallpaper).toInt(), 0, int(core::GlobalSettings::wallpaperMaxIndex));

    if (parser.isSet(grab)) {
        if (!grabAll(parser.value(grab), number)) {
            std::fprintf(stderr, "could not write the pictures\n");
            return 1;
        }
        return 0;
    }
    Gallery gallery(parser.isSet(arabic), number);
    gallery.show();
    return app.exec();
}
