// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/EntryViews.h"

#include "core/LocalizedNumber.h"
#include "core/SharedDefaults.h"
#include "platform/bundle/ImageAssets.h"
#include "platform/localization/Localization.h"
#include "platform/system/Device.h"
#include "support/TestEnvironment.h"
#include "widget/Provider.h"
#include "widget/images/MoonPicture.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using testenv::gregorianInstant;
using widget::Appearance;
using widget::LayoutNode;
using widget::WidgetFamily;
using widget::WidgetKind;

struct ViewCase
{
    WidgetKind kind;
    WidgetFamily family;
    const char *locale;
};

std::string caseName(const ::testing::TestParamInfo<ViewCase> &info)
{
    const ViewCase &c = info.param;
    const QString name = widget::configuration(c.kind).argumentName + widget::familyArgumentName(c.family) +
                         QString::fromLatin1(c.locale).left(2);
    return name.toStdString();
}

class EntryViewTest : public ::testing::TestWithParam<ViewCase>
{
protected:
    EntryViewTest() : env(QString::fromLatin1(GetParam().locale), QStringLiteral("Asia/Riyadh"))
    {
        platform::installTranslations();
        widget::Provider::resetSharedConverter();
        // 26 Jumada II 1448, a Sunday.
        env.setNow(gregorianInstant(2026, 12, 6, 10, 0));
        widget::Provider().getTimeline({}, [this](const widget::Timeline &t) { entry = t.entries.front(); });
        view = widget::makeEntryView(GetParam().kind, GetParam().family, entry);
    }
    ~EntryViewTest() override
    {
        widget::Provider::resetSharedConverter();
        platform::Device::reload();
        platform::installTranslations();
    }

    bool rightToLeft() const { return platform::Device::isRightToLeft(); }
    QSizeF size() const { return widget::familySize(GetParam().family); }
    LayoutNode laidOut() const { return view->layout(size(), rightToLeft()); }

    // Leading and trailing x as a reader of the locale sees them.
    double leading(const QRectF &r) const { return rightToLeft() ? size().width() - r.right() : r.left(); }
    double trailing(const QRectF &r) const { return rightToLeft() ? size().width() - r.left() : r.right(); }

    testenv::ScopedEnvironment env;
    widget::SimpleEntry entry;
    std::unique_ptr<widget::EntryView> view;
};

void collectLeaves(const LayoutNode &n, std::vector<const LayoutNode *> &out)
{
    if (n.type != LayoutNode::Type::vstack && n.type != LayoutNode::Type::hstack)
        out.push_back(&n);
    for (const LayoutNode &c : n.children)
        collectLeaves(c, out);
}

TEST_P(EntryViewTest, EveryPartLiesInsideThePaddedWidgetAndNothingIsCut)
{
    const LayoutNode root = laidOut();
    // The smallest padding of any of the layouts is 5 on every side.
    const QRectF inner = QRectF(QPointF(0, 0), size()).adjusted(5, 5, -5, -5);
    std::vector<const LayoutNode *> leaves;
    collectLeaves(root, leaves);
    ASSERT_FALSE(leaves.empty());
    for (const LayoutNode *leaf : leaves) {
        EXPECT_TRUE(inner.adjusted(-0.01, -0.01, 0.01, 0.01).contains(leaf->frame))
            << leaf->role.toStdString() << " lies outside the widget";
        EXPECT_FALSE(leaf->elided) << leaf->role.toStdString() << " was cut";
        if (leaf->type == LayoutNode::Type::text) {
            EXPECT_GE(leaf->scale, 0.01);
        }
    }
}

TEST_P(EntryViewTest, TitleIsTheEntrysWeekdayAboveARuleInTheTitleColour)
{
    const LayoutNode root = laidOut();
    const LayoutNode *title = root.find(QStringLiteral("title"));
    const LayoutNode *rule = root.find(QStringLiteral("titleDivider"));
    ASSERT_TRUE(title && rule);
    EXPECT_LT(title->frame.bottom(), rule->frame.top());
    EXPECT_DOUBLE_EQ(rule->frame.height(), LayoutNode::dividerThickness);
    EXPECT_EQ(view->textOf(QStringLiteral("title")),
              platform::localized(entry.gregorianDate->weekDayName().toUtf8().constData()));
    EXPECT_EQ(view->titleColor.name(), QStringLiteral("#a29333"));

    const QImage image = widget::renderEntryView(*view, {Appearance::light, rightToLeft()}, 2);
    ASSERT_EQ(image.size(), (size() * 2).toSize());
    const QColor onRule = image.pixelColor((rule->frame.center() * 2).toPoint());
    EXPECT_NEAR(onRule.red(), 0xa2, 12);
    EXPECT_NEAR(onRule.green(), 0x93, 12);
    EXPECT_NEAR(onRule.blue(), 0x33, 12);
}

TEST_P(EntryViewTest, NumbersUseTheLocalesDigitsAndThePictureKeepsAsciiDigits)
{
    const QString hijriDay = view->textOf(QStringLiteral("hijriDay"));
    const bool arabic = QString::fromLatin1(GetParam().locale).startsWith(QLatin1String("ar"));
    EXPECT_EQ(hijriDay, arabic ? QStringLiteral("\u0662\u0666") : QStringLiteral("26"));
    const bool hasPicture =
        GetParam().kind == WidgetKind::simple && GetParam().family == WidgetFamily::systemMedium;
    EXPECT_EQ(view->imageNameOf(QStringLiteral("picture")), hasPicture ? QStringLiteral("26") : QString());
    EXPECT_EQ(laidOut().find(QStringLiteral("picture")) != nullptr, hasPicture);
}

TEST_P(EntryViewTest, PartsFollowTheLayoutOfTheirKindAndFamily)
{
    const LayoutNode root = laidOut();
    const QSizeF s = size();
    const auto *title = root.find(QStringLiteral("title"));
    const auto *rule = root.find(QStringLiteral("titleDivider"));
    const auto *day = root.find(QStringLiteral("hijriDay"));
    ASSERT_TRUE(title && rule && day);
    EXPECT_LT(rule->frame.bottom(), day->frame.top());

    if (GetParam().kind == WidgetKind::simple && GetParam().family == WidgetFamily::systemSmall) {
        EXPECT_NEAR(title->frame.center().x(), s.width() / 2, 0.5);
        EXPECT_NEAR(day->frame.center().x(), s.width() / 2, 0.5);
        EXPECT_DOUBLE_EQ(rule->frame.width(), s.width() - 10);
        const auto *line = root.find(QStringLiteral("hijriMonthYear"));
        ASSERT_TRUE(line);
        EXPECT_LT(day->frame.bottom(), line->frame.top());
        EXPECT_EQ(view->textOf(QStringLiteral("hijriMonthYear")),
                  platform::localized("widget.monthYear")
                      .arg(platform::localized(entry.hijriDate->monthName().toUtf8().constData()),
                           core::localizedNumber(entry.hijriDate->year())));
    } else if (GetParam().kind == WidgetKind::simple) {
        const auto *picture = root.find(QStringLiteral("picture"));
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->frame.size(), QSizeF(80, 80));
        EXPECT_DOUBLE_EQ(trailing(picture->frame), s.width() - 20);
        EXPECT_NEAR(picture->frame.center().y(), s.height() / 2, 0.5);
        EXPECT_DOUBLE_EQ(leading(title->frame), 20);
        EXPECT_DOUBLE_EQ(leading(rule->frame), 20);
        EXPECT_DOUBLE_EQ(trailing(rule->frame) + 10, leading(picture->frame));
        const auto *month = root.find(QStringLiteral("hijriMonth"));
        const auto *year = root.find(QStringLiteral("hijriYear"));
        ASSERT_TRUE(month && year);
        EXPECT_LT(trailing(day->frame), leading(month->frame));
        EXPECT_DOUBLE_EQ(leading(month->frame), leading(year->frame));
        EXPECT_LT(month->frame.bottom(), year->frame.top());
    } else {
        const auto *gregorian = root.find(QStringLiteral("gregorianBlock"));
        const auto *hijri = root.find(QStringLiteral("hijriBlock"));
        const auto *between = root.find(QStringLiteral("blockDivider"));
        ASSERT_TRUE(gregorian && hijri && between);
        EXPECT_LT(trailing(gregorian->frame), leading(between->frame));
        EXPECT_LT(trailing(between->frame), leading(hijri->frame));
        EXPECT_NEAR(title->frame.center().x(), s.width() / 2, 0.5);
        EXPECT_DOUBLE_EQ(rule->frame.width(), s.width() - 20);
        EXPECT_GE(title->frame.top(), 15);
        EXPECT_GE(between->frame.height(), day->frame.height());
        EXPECT_EQ(view->textOf(QStringLiteral("gregorianDay")), core::localizedNumber(6));
        EXPECT_EQ(view->textOf(QStringLiteral("gregorianYear")), core::localizedNumber(2026));
    }
}

TEST_P(EntryViewTest, DarkAppearanceDrawsLightTextOnADarkSurface)
{
    const LayoutNode root = laidOut();
    const QImage light = widget::renderEntryView(*view, {Appearance::light, rightToLeft()}, 1);
    const QImage dark = widget::renderEntryView(*view, {Appearance::dark, rightToLeft()}, 1);
    // A point of the surface away from every part.
    const QPoint corner(int(size().width() / 2), int(size().height()) - 3);
    EXPECT_GT(light.pixelColor(corner).lightness(), 200);
    EXPECT_LT(dark.pixelColor(corner).lightness(), 60);
    // The day number is drawn in the primary colour: some of its pixels are
    // dark on light and light on dark.
    const QRect dayRect = root.find(QStringLiteral("hijriDay"))->frame.toAlignedRect();
    auto extreme = [&](const QImage &img, bool wantDark) {
        int best = wantDark ? 255 : 0;
        for (int y = dayRect.top(); y <= dayRect.bottom(); ++y)
            for (int x = dayRect.left(); x <= dayRect.right(); ++x) {
                const int l = img.pixelColor(x, y).lightness();
                best = wantDark ? std::min(best, l) : std::max(best, l);
            }
        return best;
    };
    EXPECT_LT(extreme(light, true), 80);
    EXPECT_GT(extreme(dark, false), 180);
}

INSTANTIATE_TEST_SUITE_P(Widgets, EntryViewTest,
                         ::testing::Values(ViewCase{WidgetKind::simple, WidgetFamily::systemSmall, "en_US"},
                                           ViewCase{WidgetKind::simple, WidgetFamily::systemMedium, "en_US"},
                                           ViewCase{WidgetKind::complex, WidgetFamily::systemMedium, "en_US"},
                                           ViewCase{WidgetKind::simple, WidgetFamily::systemSmall, "ar_SA"},
                                           ViewCase{WidgetKind::simple, WidgetFamily::systemMedium, "ar_SA"},
                                           ViewCase{WidgetKind::complex, WidgetFamily::systemMedium,
                                                    "ar_SA"}),
                         caseName);

class EntryViewDetails : public ::testing::Test
{
protected:
    EntryViewDetails() : env(QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh"))
    {
        platform::installTranslations();
        widget::Provider::resetSharedConverter();
    }
    ~EntryViewDetails() override { widget::Provider::resetSharedConverter(); }

    widget::SimpleEntry entryAt(platform::Instant at)
    {
        env.setNow(at);
        return widget::Provider().placeholder({});
    }

    testenv::ScopedEnvironment env;
};

TEST_F(EntryViewDetails, WithAdjustmentTheTitleKeepsTheRealWeekdayAndTheHijriPartsMoveOn)
{
    env.suite()->setInteger(core::keys::adjustmentNumber, 1);
    const auto entry = entryAt(gregorianInstant(2026, 12, 6, 10, 0)); // Sunday, 26 Jumada II
    widget::SimpleWidgetEntryView view(WidgetFamily::systemMedium, entry);
    EXPECT_EQ(view.textOf(QStringLiteral("title")), QStringLiteral("Sunday"));
    EXPECT_EQ(view.textOf(QStringLiteral("hijriDay")), QStringLiteral("27"));
    EXPECT_EQ(view.imageNameOf(QStringLiteral("picture")), QStringLiteral("27"));
}

TEST_F(EntryViewDetails, EveryHijriMonthHasTheNameTheApplicationAndTheCommandLineShow)
{
    // One source for the names: the date formatter, whose record the
    // application's screens, the notifications and `qamarly convert` print.
    for (const char *locale : {"en_US", "ar_SA"}) {
        env.setLocale(QString::fromLatin1(locale));
        platform::installTranslations();
        for (int month = 1; month <= 12; ++month) {
            const auto entry = entryAt(testenv::hijriInstant(1448, month, 10));
            widget::ComplexWidgetEntryView view(WidgetFamily::systemMedium, entry);
            EXPECT_EQ(view.textOf(QStringLiteral("hijriMonth")), entry.hijriDate->monthName())
                << locale << ' ' << month;
            EXPECT_EQ(view.textOf(QStringLiteral("gregorianMonth")), entry.gregorianDate->monthName())
                << locale << ' ' << month;
        }
    }
    env.setLocale(QStringLiteral("en_US"));
    platform::installTranslations();
    const auto entry = entryAt(gregorianInstant(2026, 12, 6, 10, 0));
    widget::ComplexWidgetEntryView view(WidgetFamily::systemMedium, entry);
    EXPECT_EQ(view.textOf(QStringLiteral("hijriMonth")), QStringLiteral("Jumada II (6)"));
}

TEST_F(EntryViewDetails, LongMonthNamesShrinkOnOneLineInsteadOfBeingCut)
{
    // 10 Dhu al-Hijjah 1448 is in May 2027: the longest Hijri month name beside May.
    const auto entry = entryAt(testenv::hijriInstant(1448, 12, 10));
    widget::ComplexWidgetEntryView view(WidgetFamily::systemMedium, entry);
    const LayoutNode root = view.layout(widget::familySize(WidgetFamily::systemMedium), false);
    const LayoutNode *month = root.find(QStringLiteral("hijriMonth"));
    ASSERT_TRUE(month);
    EXPECT_LT(month->scale, 1.0);
    EXPECT_GE(month->scale, 0.01);
    EXPECT_FALSE(month->elided);
    EXPECT_LE(month->frame.right(), 364 - 10 + 0.01);
    EXPECT_NEAR(month->frame.height(), month->natural.height() * month->scale, 0.01);
}

TEST_F(EntryViewDetails, EveryHijriDayHasItsPictureAndDayThirtyShowsPictureThirty)
{
    for (int day = 1; day <= 30; ++day)
        EXPECT_FALSE(QImage(platform::ImageAssets::resourcePath(QString::number(day))).isNull()) << day;
    EXPECT_FALSE(platform::ImageAssets::contains(QStringLiteral("31")));

    // Find a 30-day Hijri month and show its last day.
    const platform::Calendar islamic(platform::CalendarIdentifier::islamicUmmAlQura);
    for (int month = 1; month <= 12; ++month) {
        const platform::Instant first = testenv::hijriInstant(1448, month, 1);
        if (islamic.daysInMonth(first) == 30) {
            const auto entry = entryAt(testenv::hijriInstant(1448, month, 30));
            widget::SimpleWidgetEntryView view(WidgetFamily::systemMedium, entry);
            EXPECT_EQ(view.imageNameOf(QStringLiteral("picture")), QStringLiteral("30"));
            return;
        }
    }
    FAIL() << "no 30-day month in 1448";
}

TEST_F(EntryViewDetails, OtherFamiliesShowNotSupported)
{
    const auto entry = entryAt(gregorianInstant(2026, 12, 6, 10, 0));
    widget::SimpleWidgetEntryView view(WidgetFamily::systemLarge, entry);
    const LayoutNode root = view.layout(widget::familySize(WidgetFamily::systemLarge), false);
    EXPECT_EQ(root.type, LayoutNode::Type::text);
    EXPECT_EQ(view.textOf(QStringLiteral("notSupported")), QStringLiteral("Not supported"));
    EXPECT_EQ(root.frame.center(), QPointF(182, 191));
    EXPECT_FALSE(widget::complexWidget().supports(WidgetFamily::systemSmall));
    EXPECT_TRUE(widget::simpleWidget().supports(WidgetFamily::systemSmall));
}

TEST(MoonPictures, DayOneIsACrescentAndTheMiddleOfTheMonthIsFull)
{
    EXPECT_LT(widget::moonAge(1), 0.06);
    EXPECT_NEAR(widget::moonAge(15), 0.5, 0.03);
    EXPECT_GT(widget::moonAge(29), 0.95);
    // The full moon is brighter than the crescent.
    auto lit = [](int day) {
        const QImage img(platform::ImageAssets::resourcePath(QString::number(day)));
        int bright = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                bright += img.pixelColor(x, y).lightness() > 180;
        return bright;
    };
    EXPECT_GT(lit(15), 3 * lit(2));
}

} // namespace
