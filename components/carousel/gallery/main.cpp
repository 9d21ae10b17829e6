// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// A window with the carousel alone: numbered cards in the rotary layout, as
// the wallpaper screen uses it. With --screenshots DIR it renders offscreen
// pictures of the carousel at rest and in the middle of a scroll instead.
#include "components/carousel/Carousel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

namespace {

using components::Carousel;
using components::CarouselOption;

class NumberedCards final : public components::CarouselDataSource, public components::CarouselDelegate
{
public:
    NumberedCards(int count, double arcScale, double spacingScale, QLabel *status)
        : count_(count), arcScale_(arcScale), spacingScale_(spacingScale), status_(status)
    {
    }

    int numberOfItemsInCarousel(Carousel *) override { return count_; }

    QWidget *viewForItemAtIndex(Carousel *carousel, int index, QWidget *reusingView) override
    {
        auto *card = qobject_cast<QLabel *>(reusingView);
        if (!card)
            card = new QLabel;
        const QSize area = carousel->size();
        card->resize(qRound(area.width() / 1.9), qRound(area.height() * 0.8));
        card->setAlignment(Qt::AlignCenter);
        const int hue = (index * 37) % 360;
        card->setStyleSheet(
            QStringLiteral("QLabel { background: hsl(%1, 55%, 55%); color: white; font: bold 48px; "
                           "border: 3px solid white; border-radius: 18px; }")
                .arg(hue));
        card->setText(QString::number(index));
        return card;
    }

    double valueForOption(Carousel *, CarouselOption option, double withDefault) override
    {
        switch (option) {
        case CarouselOption::wrap:
            return 0.0;
        case CarouselOption::arc:
            return withDefault * arcScale_;
        case CarouselOption::spacing:
            return withDefault * spacingScale_;
        default:
            return withDefault;
        }
    }

    void carouselCurrentItemIndexDidChange(Carousel *carousel) override
    {
        if (status_)
            status_->setText(QStringLiteral("item %1 of %2").arg(carousel->currentItemIndex()).arg(count_));
    }

private:
    int count_;
    double arcScale_;
    double spacingScale_;
    QLabel *status_;
};

bool save(QWidget &window, const QString &path)
{
    const bool ok = window.grab().save(path);
    qInfo("%s %s", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("items"), QStringLiteral("Number of cards."), QStringLiteral("n"),
                      QStringLiteral("29")});
    parser.addOption({QStringLiteral("type"), QStringLiteral("Layout type (0 linear, 1 rotary, 3 cylinder)."),
                      QStringLiteral("type"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("screenshots"), QStringLiteral("Write PNGs to this folder and quit."),
                      QStringLiteral("dir")});
    parser.process(app);

    const bool shooting = parser.isSet(QStringLiteral("screenshots"));
    auto clock = std::make_shared<components::ManualMediaClock>();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Carousel gallery"));
    window.resize(420, 600);
    window.setStyleSheet(QStringLiteral("background: #20303a;"));
    auto *layout = new QVBoxLayout(&window);
    auto *status = new QLabel;
    status->setStyleSheet(QStringLiteral("color: white; font-size: 16px;"));
    status->setAlignment(Qt::AlignCenter);
    auto *carousel = shooting ? new Carousel(nullptr, clock) : new Carousel;
    layout->addWidget(carousel, 1);
    layout->addWidget(status);

    NumberedCards cards(parser.value(QStringLiteral("items")).toInt(), 0.35, 1.2, status);
    carousel->setType(static_cast<components::CarouselType>(parser.value(QStringLiteral("type")).toInt()));
    carousel->setDelegate(&cards);
    carousel->setDataSource(&cards);

    if (!shooting) {
        window.show();
        carousel->setFocus();
        return app.exec();
    }

    const QDir dir(parser.value(QStringLiteral("screenshots")));
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QApplication::processEvents();
    carousel->layoutIfNeeded();
    auto settle = [&] {
        for (int i = 0; i < 200 && carousel->isAnimating(); ++i) {
            clock->advance(1.0 / 60.0);
            carousel->step();
        }
    };
    carousel->scrollToItemAtIndex(4, false);
    settle();
    bool ok = save(window, dir.filePath(QStringLiteral("carousel-rest.png")));
    carousel->scrollToItemAtIndex(9, true);
    for (int i = 0; i < 12; ++i) {
        clock->advance(1.0 / 60.0);
        carousel->step();
    }
    ok = save(window, dir.filePath(QStringLiteral("carousel-mid-scroll.png"))) && ok;
    settle();
    carousel->scrollToItemAtIndex(28, false);
    settle();
    ok = save(window, dir.filePath(QStringLiteral("carousel-last.png"))) && ok;
    return ok ? 0 : 1;
}
