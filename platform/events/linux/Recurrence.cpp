// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/Recurrence.h"

#include "platform/calendar/Calendar.h"
#include "platform/calendar/CivilDays.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <limits>

namespace platform::ical {

namespace {

using civil::floorDiv;

constexpr std::int64_t secondsPerHour = 3600;
constexpr std::int64_t secondsPerMinute = 60;
// 1970-01-05 was a Monday.
constexpr std::int64_t firstMonday = 4;
// Longer than any event or rule needs to reach: 10,000 years.
constexpr std::int64_t longestDurationSeconds = 10000LL * 366 * secondsPerDay;

using civil::isLeapYear;
using civil::monthLength;

int weekdayOfDay(std::int64_t day)
{
    return static_cast<int>((day - firstMonday) - floorDiv(day - firstMonday, 7) * 7);
}

std::optional<std::int64_t> number(QByteArrayView text, std::int64_t lowest, std::int64_t highest)
{
    if (text.isEmpty() || text.size() > 13)
        return std::nullopt;
    std::int64_t sign = 1;
    qsizetype i = 0;
    if (text[0] == '+' || text[0] == '-') {
        sign = text[0] == '-' ? -1 : 1;
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    value *= sign;
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<int> weekdayNamed(QByteArrayView text)
{
    static constexpr const char *names[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
    for (int i = 0; i < 7; ++i) {
        if (text.compare(QByteArrayView(names[i]), Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

// A number list such as "1,-1,15" whose entries lie in [lowest, highest]
// and are not 0 when `zeroAllowed` is false.
bool numberList(QByteArrayView text, int lowest, int highest, bool zeroAllowed, std::vector<int> &out)
{
    for (const QByteArray &part : QByteArray(text.data(), text.size()).split(',')) {
        const auto value = number(part, lowest, highest);
        if (!value || (!zeroAllowed && *value == 0))
            return false;
        out.push_back(static_cast<int>(*value));
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return true;
}

bool contains(const std::vector<int> &values, int value)
{
    return std::binary_search(values.begin(), values.end(), value);
}

// The first day of week 1 of `year`: the first week, starting on `weekStart`,
// with at least four of its days in the year.
std::int64_t firstWeekStart(std::int64_t year, int weekStart)
{
    const std::int64_t newYear = civil::daysFromCivil(year, 1, 1);
    const int before = (weekdayOfDay(newYear) - weekStart + 7) % 7;
    const std::int64_t start = newYear - before;
    return 7 - before >= 4 ? start : start + 7;
}

} // namespace

LocalSeconds localSeconds(std::int64_t year, int month, int day, int hour, int minute, int second)
{
    return civil::daysFromCivil(year, month, day) * secondsPerDay + hour * secondsPerHour +
           minute * secondsPerMinute + second;
}

std::int64_t dayOf(LocalSeconds local)
{
    return floorDiv(local, secondsPerDay);
}

bool isValidDate(std::int64_t year, int month, int day)
{
    return year >= 1 && year <= lastYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= monthLength(year, month);
}

std::optional<TimeValue> parseTimeValue(QByteArrayView text)
{
    const auto digits = [&](qsizetype at, qsizetype length) -> std::optional<int> {
        const auto value = number(text.sliced(at, length), 0, 9999);
        if (!value || text[at] == '+' || text[at] == '-')
            return std::nullopt;
        return static_cast<int>(*value);
    };
    text = text.trimmed();
    if (text.size() != 8 && text.size() != 15 && text.size() != 16)
        return std::nullopt;
    const auto year = digits(0, 4), month = digits(4, 2), day = digits(6, 2);
    if (!year || !month || !day || !isValidDate(*year, *month, *day))
        return std::nullopt;
    TimeValue value;
    if (text.size() == 8) {
        value.isDate = true;
        value.local = localSeconds(*year, *month, *day);
        return value;
    }
    if (text[8] != 'T' && text[8] != 't')
        return std::nullopt;
    const auto hour = digits(9, 2), minute = digits(11, 2), second = digits(13, 2);
    // A second of 60 is a leap second (RFC 5545 3.3.12).
    if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 60)
        return std::nullopt;
    if (text.size() == 16) {
        if (text[15] != 'Z' && text[15] != 'z')
            return std::nullopt;
        value.utc = true;
    }
    value.local = localSeconds(*year, *month, *day, *hour, *minute, *second);
    return value;
}

namespace {

// The seconds in one of a duration's units, by its letter; 0 for a letter
// that is no unit, or not one on that side of the T.
std::int64_t durationUnitSeconds(char designator, bool inTime)
{
    switch (designator) {
    case 'W':
    case 'w':
        return inTime ? 0 : 7 * secondsPerDay;
    case 'D':
    case 'd':
        return inTime ? 0 : secondsPerDay;
    case 'H':
    case 'h':
        return inTime ? secondsPerHour : 0;
    case 'M':
    case 'm':
        return inTime ? secondsPerMinute : 0;
    case 'S':
    case 's':
        return inTime ? 1 : 0;
    default:
        return 0;
    }
}

} // namespace

std::optional<std::int64_t> parseDuration(QByteArrayView text)
{
    text = text.trimmed();
    std::int64_t sign = 1;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        sign = text[i++] == '-' ? -1 : 1;
    if (i >= text.size() || (text[i] != 'P' && text[i] != 'p'))
        return std::nullopt;
    ++i;
    bool inTime = false;
    bool any = false;
    std::int64_t total = 0;
    while (i < text.size()) {
        if (text[i] == 'T' || text[i] == 't') {
            if (inTime)
                return std::nullopt;
            inTime = true;
            ++i;
            continue;
        }
        const qsizetype first = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i == first || i == text.size() || i - first > 12)
            return std::nullopt;
        const std::int64_t amount = *number(text.sliced(first, i - first), 0, 999'999'999'999);
        const std::int64_t unit = durationUnitSeconds(text[i], inTime);
        if (unit == 0 || amount > longestDurationSeconds / unit)
            return std::nullopt;
        total += amount * unit;
        if (total > longestDurationSeconds)
            return std::nullopt;
        any = true;
        ++i;
    }
    if (!any)
        return std::nullopt;
    return sign * total;
}

namespace {

std::optional<Frequency> frequencyNamed(const QByteArray &value)
{
    static constexpr const char *names[] = {"SECONDLY", "MINUTELY", "HOURLY", "DAILY",
                                            "WEEKLY",   "MONTHLY",  "YEARLY"};
    const QByteArray upper = value.toUpper();
    for (int i = 0; i < 7; ++i) {
        if (upper == names[i])
            return static_cast<Frequency>(i);
    }
    return std::nullopt;
}

bool readWeekdays(const QByteArray &value, std::vector<WeekdayNumber> &out)
{
    for (const QByteArray &entry : value.split(',')) {
        const auto weekday = entry.size() >= 2 ? weekdayNamed(entry.right(2)) : std::nullopt;
        const QByteArray ordinal = entry.left(entry.size() - 2);
        const auto n = ordinal.isEmpty() ? std::optional<std::int64_t>(0) : number(ordinal, -53, 53);
        if (!weekday || !n || (!ordinal.isEmpty() && *n == 0))
            return false;
        out.push_back({*weekday, static_cast<int>(*n)});
    }
    return true;
}

// The BY parts that list numbers: their range, and whether 0 is one of them.
bool readNumberList(RecurrenceRule &rule, const QByteArray &key, const QByteArray &value, bool &known)
{
    struct ListPart
    {
        const char *key;
        int lowest, highest;
        bool zeroAllowed;
        std::vector<int> RecurrenceRule::*list;
    };
    static const ListPart parts[] = {
        {"BYSECOND", 0, 60, true, &RecurrenceRule::bySecond},
        {"BYMINUTE", 0, 59, true, &RecurrenceRule::byMinute},
        {"BYHOUR", 0, 23, true, &RecurrenceRule::byHour},
        {"BYMONTHDAY", -31, 31, false, &RecurrenceRule::byMonthDay},
        {"BYYEARDAY", -366, 366, false, &RecurrenceRule::byYearDay},
        {"BYWEEKNO", -53, 53, false, &RecurrenceRule::byWeekNumber},
        {"BYMONTH", 1, 12, false, &RecurrenceRule::byMonth},
        {"BYSETPOS", -366, 366, false, &RecurrenceRule::bySetPosition},
    };
    for (const ListPart &part : parts) {
        if (key == part.key) {
            known = true;
            return numberList(value, part.lowest, part.highest, part.zeroAllowed, rule.*(part.list));
        }
    }
    known = false;
    return true;
}

// Reads one KEY=VALUE part into `rule`; false when its value cannot be read.
// Parts this reader does not know (X- extensions) change nothing we show.
bool readRulePart(RecurrenceRule &rule, const QByteArray &key, const QByteArray &value)
{
    bool known = false;
    const bool listRead = readNumberList(rule, key, value, known);
    if (known)
        return listRead;
    if (key == "FREQ") {
        const auto frequency = frequencyNamed(value);
        rule.frequency = frequency.value_or(rule.frequency);
        return frequency.has_value();
    }
    if (key == "INTERVAL") {
        const auto interval = number(value, 1, 1'000'000'000);
        rule.interval = static_cast<int>(interval.value_or(1));
        return interval.has_value();
    }
    if (key == "COUNT") {
        const auto count = number(value, 1, 999'999'999'999);
        rule.count = count.value_or(0);
        return count.has_value();
    }
    if (key == "UNTIL") {
        rule.until = parseTimeValue(value);
        return rule.until.has_value();
    }
    if (key == "BYDAY")
        return readWeekdays(value, rule.byDay);
    if (key == "WKST") {
        const auto weekday = weekdayNamed(value);
        rule.weekStart = weekday.value_or(0);
        return weekday.has_value();
    }
    if (key == "RSCALE") {
        const QByteArray scale = value.toUpper();
        rule.scale = scale == "ISLAMIC-UMALQURA" ? RuleScale::islamicUmmAlQura
                     : scale == "ISLAMIC-CIVIL"  ? RuleScale::islamicCivil
                                                 : RuleScale::gregorian;
        return scale == "GREGORIAN" || scale == "ISLAMIC-UMALQURA" || scale == "ISLAMIC-CIVIL";
    }
    if (key == "SKIP") {
        const QByteArray skip = value.toUpper();
        rule.skip = skip == "BACKWARD"  ? RuleSkip::backward
                    : skip == "FORWARD" ? RuleSkip::forward
                                        : RuleSkip::omit;
        return skip == "OMIT" || skip == "BACKWARD" || skip == "FORWARD";
    }
    return true;
}

bool hasByParts(const RecurrenceRule &rule)
{
    return !rule.bySecond.empty() || !rule.byMinute.empty() || !rule.byHour.empty() ||
           !rule.byMonthDay.empty() || !rule.byYearDay.empty() || !rule.byWeekNumber.empty() ||
           !rule.byMonth.empty() || !rule.bySetPosition.empty() || !rule.byDay.empty();
}

} // namespace

std::optional<RecurrenceRule> RecurrenceRule::parse(QByteArrayView text, QString *error)
{
    const auto fail = [error](const QString &why) -> std::optional<RecurrenceRule> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    RecurrenceRule rule;
    bool frequencyGiven = false;
    for (const QByteArray &part : QByteArray(text.data(), text.size()).trimmed().split(';')) {
        if (part.isEmpty())
            continue;
        const qsizetype equals = part.indexOf('=');
        if (equals <= 0)
            return fail(QStringLiteral("malformed part %1").arg(QString::fromUtf8(part.left(40))));
        const QByteArray key = part.left(equals).toUpper();
        if (!readRulePart(rule, key, part.mid(equals + 1)))
            return fail(QStringLiteral("unreadable %1").arg(QString::fromUtf8(part.left(60))));
        frequencyGiven = frequencyGiven || key == "FREQ";
    }
    if (!frequencyGiven)
        return fail(QStringLiteral("no frequency"));
    if (rule.scale != RuleScale::gregorian) {
        // Days, weeks and shorter periods are the same on every calendar.
        if (rule.frequency != Frequency::monthly && rule.frequency != Frequency::yearly)
            rule.scale = RuleScale::gregorian;
        else if (hasByParts(rule))
            return fail(QStringLiteral("a Hijri rule with BY parts"));
    }
    return rule;
}

struct RecurrenceExpander::Day
{
    std::int64_t index = 0;
    civil::YearMonthDay date;
    int dayOfYear = 0;
    int yearLength = 0;
    int monthLength = 0;
    int weekday = 0;
};

namespace {

// Months of a Hijri calendar as days from 1970-01-01.
class LunarMonths
{
public:
    explicit LunarMonths(RuleScale scale)
    {
        if (scale == RuleScale::islamicUmmAlQura)
            calendar_.emplace(CalendarIdentifier::islamicUmmAlQura, QStringLiteral("UTC"),
                              QStringLiteral("en"));
    }

    struct Date
    {
        std::int64_t month = 0; // year * 12 + month - 1
        int day = 0;
    };
    struct Month
    {
        std::int64_t firstDay = 0;
        int length = 0;
    };

    std::optional<Date> dateOf(std::int64_t day) const
    {
        if (calendar_) {
            const DateComponents c = calendar_->components(instantFromMSecs(day * secondsPerDay * 1000));
            return Date{c.year * 12 + c.month - 1, static_cast<int>(c.day)};
        }
        // The tabular calendar: 30-year cycles from 16 July 622 (Julian).
        const std::int64_t year = floorDiv(30 * (day - civilEpoch) + 10646, 10631);
        std::int64_t month = year * 12 + 11;
        while (month > year * 12 && civilFirstDay(month) > day)
            --month;
        return Date{month, static_cast<int>(day - civilFirstDay(month) + 1)};
    }

    std::optional<Month> month(std::int64_t index) const
    {
        const std::int64_t year = floorDiv(index, 12);
        const int number = static_cast<int>(index - year * 12 + 1);
        if (calendar_) {
            const auto first = calendar_->date(year, number, 1);
            if (!first)
                return std::nullopt;
            return Month{floorDiv(msecsOf(*first), secondsPerDay * 1000), calendar_->daysInMonth(*first)};
        }
        const std::int64_t cycle = 14 + 11 * year;
        const bool leap = cycle - floorDiv(cycle, 30) * 30 < 11;
        const int length = number % 2 == 1 || (number == 12 && leap) ? 30 : 29;
        return Month{civilFirstDay(index), length};
    }

private:
    static constexpr std::int64_t civilEpoch = -492148;

    static std::int64_t civilFirstDay(std::int64_t index)
    {
        const std::int64_t year = floorDiv(index, 12);
        const std::int64_t month = index - year * 12;
        return (59 * month + 1) / 2 + (year - 1) * 354 + floorDiv(3 + 11 * year, 30) + civilEpoch;
    }

    std::optional<Calendar> calendar_;
};

} // namespace

namespace {

struct WallTime
{
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The last occurrence of a counted rule whose every period holds exactly
// one: known without walking there, so the rule can start near any query.
// None when it lies beyond the years any query reaches.
std::optional<LocalSeconds> lastOfCount(const RecurrenceRule &rule, LocalSeconds start,
                                        const civil::YearMonthDay &first, WallTime time)
{
    const std::int64_t steps = rule.count - 1;
    const std::int64_t yearsAtMost = lastYear + 1;
    if (rule.frequency == Frequency::monthly || rule.frequency == Frequency::yearly) {
        const std::int64_t perStep =
            rule.frequency == Frequency::monthly ? rule.interval : 12LL * rule.interval;
        if (steps > yearsAtMost * 12 / perStep)
            return std::nullopt;
        const std::int64_t month = first.year * 12 + first.month - 1 + steps * perStep;
        return localSeconds(floorDiv(month, 12), static_cast<int>(month - floorDiv(month, 12) * 12 + 1),
                            first.day, time.hour, time.minute, time.second);
    }
    const std::int64_t unitSeconds = rule.frequency == Frequency::weekly     ? 7 * secondsPerDay
                                     : rule.frequency == Frequency::daily    ? secondsPerDay
                                     : rule.frequency == Frequency::hourly   ? secondsPerHour
                                     : rule.frequency == Frequency::minutely ? secondsPerMinute
                                                                             : 1;
    if (steps > yearsAtMost * 366 * secondsPerDay / (unitSeconds * rule.interval))
        return std::nullopt;
    return start + steps * unitSeconds * rule.interval;
}

// What the rule leaves open is taken from its start (RFC 5545 3.3.10).
void takeDaysFromStart(RecurrenceRule &rule, LocalSeconds start, const civil::YearMonthDay &first)
{
    if (!rule.byWeekNumber.empty() || !rule.byYearDay.empty() || !rule.byMonthDay.empty() ||
        !rule.byDay.empty())
        return;
    if (rule.frequency == Frequency::yearly) {
        if (rule.byMonth.empty())
            rule.byMonth = {first.month};
        rule.byMonthDay = {first.day};
    } else if (rule.frequency == Frequency::monthly) {
        rule.byMonthDay = {first.day};
    } else if (rule.frequency == Frequency::weekly) {
        rule.byDay = {{weekdayOfDay(dayOf(start)), 0}};
    }
}

// A time part: the rule's own list, else the start's value where the
// frequency is coarser than it.
std::vector<int> timePart(const std::vector<int> &listed, bool coarser, int fromStart)
{
    if (!listed.empty())
        return listed;
    return coarser ? std::vector<int>{fromStart} : std::vector<int>{};
}

} // namespace

RecurrenceExpander::RecurrenceExpander(const RecurrenceRule &rule, LocalSeconds start,
                                       std::optional<LocalSeconds> untilLocal)
    : rule_(rule), start_(start), until_(untilLocal)
{
    if (rule_.scale != RuleScale::gregorian)
        return;
    const civil::YearMonthDay first = civil::civilFromDays(dayOf(start));
    const std::int64_t timeOfDay = start - dayOf(start) * secondsPerDay;
    const WallTime time{static_cast<int>(timeOfDay / secondsPerHour),
                        static_cast<int>(timeOfDay % secondsPerHour / secondsPerMinute),
                        static_cast<int>(timeOfDay % secondsPerMinute)};
    const bool givesOnePerPeriod =
        !hasByParts(rule_) && (rule_.frequency != Frequency::monthly || first.day <= 28) &&
        (rule_.frequency != Frequency::yearly || first.month != 2 || first.day != 29);
    if (rule_.count > 0 && givesOnePerPeriod) {
        if (const auto last = lastOfCount(rule_, start, first, time))
            until_ = std::min(until_.value_or(*last), *last);
        rule_.count = 0;
    }
    takeDaysFromStart(rule_, start, first);
    hours_ = timePart(rule_.byHour, rule_.frequency >= Frequency::daily, time.hour);
    minutes_ = timePart(rule_.byMinute, rule_.frequency >= Frequency::hourly, time.minute);
    seconds_ = timePart(rule_.bySecond, rule_.frequency >= Frequency::minutely, time.second);
    ordinalDays_ = rule_.frequency == Frequency::monthly || rule_.frequency == Frequency::yearly;
    for (int month : rule_.byMonth) {
        if (month >= 1 && month <= 12)
            months_.push_back(month);
    }
    std::sort(months_.begin(), months_.end());
    months_.erase(std::unique(months_.begin(), months_.end()), months_.end());
}

std::optional<LocalSeconds> RecurrenceExpander::lastStart(std::int64_t budget) const
{
    if (rule_.count == 0)
        // Nothing comes after the end, though the end itself need not be an occurrence.
        return until_;
    std::optional<LocalSeconds> last;
    const LocalSeconds latest = localSeconds(lastYear, 12, 31, 23, 59, 59);
    const auto result = forEach(start_, until_.value_or(latest), budget, [&last](LocalSeconds at) {
        last = at;
        return true;
    });
    if (result == Result::overBudget)
        return std::nullopt;
    return last.value_or(start_);
}

bool RecurrenceExpander::dayMatches(const Day &day) const
{
    if (!rule_.byMonth.empty() && !contains(rule_.byMonth, day.date.month))
        return false;
    if (!rule_.byYearDay.empty() && !contains(rule_.byYearDay, day.dayOfYear) &&
        !contains(rule_.byYearDay, day.dayOfYear - day.yearLength - 1))
        return false;
    if (!rule_.byMonthDay.empty() && !contains(rule_.byMonthDay, day.date.day) &&
        !contains(rule_.byMonthDay, day.date.day - day.monthLength - 1))
        return false;
    return weekNumberMatches(day) && weekdayMatches(day);
}

bool RecurrenceExpander::weekNumberMatches(const Day &day) const
{
    if (rule_.byWeekNumber.empty())
        return true;
    const std::int64_t year = day.date.year;
    std::int64_t weekYear = year;
    std::int64_t start = firstWeekStart(year, rule_.weekStart);
    if (day.index < start) {
        weekYear = year - 1;
        start = firstWeekStart(weekYear, rule_.weekStart);
    } else if (day.index >= firstWeekStart(year + 1, rule_.weekStart)) {
        weekYear = year + 1;
        start = firstWeekStart(weekYear, rule_.weekStart);
    }
    const int week = static_cast<int>((day.index - start) / 7 + 1);
    const int weeks = static_cast<int>((firstWeekStart(weekYear + 1, rule_.weekStart) - start) / 7);
    bool found = false;
    for (int n : rule_.byWeekNumber) {
        const int wanted = n > 0 ? n : weeks + 1 + n;
        // Days of a neighbouring year's week count as its first or last
        // week only, never by their distance from this year's end.
        if (weekYear > year && n != 1)
            continue;
        if (weekYear < year && n != -1 && n != weeks)
            continue;
        found = found || wanted == week;
    }
    return found;
}

bool RecurrenceExpander::weekdayMatches(const Day &day) const
{
    if (rule_.byDay.empty())
        return true;
    const bool inMonth = rule_.frequency == Frequency::monthly || !rule_.byMonth.empty();
    const int position = inMonth ? day.date.day : day.dayOfYear;
    const int length = inMonth ? day.monthLength : day.yearLength;
    const int fromStart = (position - 1) / 7 + 1;
    const int fromEnd = -((length - position) / 7 + 1);
    bool found = false;
    for (const WeekdayNumber &entry : rule_.byDay) {
        if (entry.weekday != day.weekday)
            continue;
        if (entry.ordinal == 0 || !ordinalDays_ || entry.ordinal == fromStart || entry.ordinal == fromEnd)
            found = true;
    }
    return found;
}

bool RecurrenceExpander::timeMatches(int hour, int minute, int second) const
{
    return (hours_.empty() || contains(hours_, hour)) && (minutes_.empty() || contains(minutes_, minute)) &&
           (seconds_.empty() || contains(seconds_, second));
}

std::int64_t RecurrenceExpander::periodUnit(LocalSeconds at) const
{
    const std::int64_t day = dayOf(at);
    switch (rule_.frequency) {
    case Frequency::yearly:
        return civil::civilFromDays(day).year;
    case Frequency::monthly: {
        const civil::YearMonthDay date = civil::civilFromDays(day);
        return date.year * 12 + date.month - 1;
    }
    case Frequency::weekly:
        return floorDiv(day - (firstMonday + rule_.weekStart), 7);
    case Frequency::daily:
        return day;
    case Frequency::hourly:
        return floorDiv(at, secondsPerHour);
    case Frequency::minutely:
        return floorDiv(at, secondsPerMinute);
    case Frequency::secondly:
        return at;
    }
    return day;
}

std::int64_t RecurrenceExpander::firstPeriodUnit() const
{
    return periodUnit(start_);
}

RecurrenceExpander::Day RecurrenceExpander::dayAt(std::int64_t index)
{
    Day day;
    day.index = index;
    day.date = civil::civilFromDays(index);
    day.dayOfYear = static_cast<int>(index - civil::daysFromCivil(day.date.year, 1, 1) + 1);
    day.yearLength = isLeapYear(day.date.year) ? 366 : 365;
    day.monthLength = monthLength(day.date.year, day.date.month);
    day.weekday = weekdayOfDay(index);
    return day;
}

void RecurrenceExpander::dayCandidates(std::int64_t first, std::int64_t count,
                                       std::vector<LocalSeconds> &out) const
{
    for (std::int64_t index = first; index < first + count; ++index) {
        if (!dayMatches(dayAt(index)))
            continue;
        for (int hour : hours_)
            for (int minute : minutes_)
                for (int second : seconds_)
                    out.push_back(index * secondsPerDay + hour * secondsPerHour + minute * secondsPerMinute +
                                  second);
    }
}

void RecurrenceExpander::timeCandidates(std::int64_t unit, std::vector<LocalSeconds> &out,
                                        std::int64_t &skipUnits) const
{
    const std::int64_t unitSeconds = rule_.frequency == Frequency::hourly     ? secondsPerHour
                                     : rule_.frequency == Frequency::minutely ? secondsPerMinute
                                                                              : 1;
    const LocalSeconds at = unit * unitSeconds;
    const std::int64_t day = dayOf(at);
    const std::int64_t timeOfDay = at - day * secondsPerDay;
    const int hour = static_cast<int>(timeOfDay / secondsPerHour);
    const int minute = static_cast<int>(timeOfDay % secondsPerHour / secondsPerMinute);
    const int second = static_cast<int>(timeOfDay % secondsPerMinute);
    // A day, hour or minute that cannot match is passed over whole.
    const auto skipTo = [&](LocalSeconds end) { skipUnits = (end - at) / unitSeconds - 1; };
    if (!dayMatches(dayAt(day))) {
        skipTo((day + 1) * secondsPerDay);
    } else if (!hours_.empty() && !contains(hours_, hour)) {
        skipTo(at - minute * secondsPerMinute - second + secondsPerHour);
    } else if (rule_.frequency != Frequency::hourly && !minutes_.empty() && !contains(minutes_, minute)) {
        skipTo(at - second + secondsPerMinute);
    } else if (rule_.frequency == Frequency::hourly) {
        for (int m : minutes_)
            for (int s : seconds_)
                out.push_back(at + m * secondsPerMinute + s);
    } else if (rule_.frequency == Frequency::minutely) {
        for (int s : seconds_)
            out.push_back(at + s);
    } else if (timeMatches(hour, minute, second)) {
        out.push_back(at);
    }
}

namespace {

// BYSETPOS: the chosen positions of the period's occurrences, in order.
void keepSetPositions(const std::vector<int> &positions, std::vector<LocalSeconds> &out)
{
    std::vector<LocalSeconds> chosen;
    const auto size = static_cast<int>(out.size());
    for (int position : positions) {
        const int index = position > 0 ? position - 1 : size + position;
        if (index >= 0 && index < size)
            chosen.push_back(out[static_cast<std::size_t>(index)]);
    }
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    out.swap(chosen);
}

} // namespace

void RecurrenceExpander::periodCandidates(std::int64_t unit, std::vector<LocalSeconds> &out,
                                          std::int64_t &skipUnits) const
{
    skipUnits = 0;
    switch (rule_.frequency) {
    case Frequency::yearly: {
        // A day outside the listed months never matches, so a yearly date
        // looks at one month of days, not 365.
        if (!months_.empty()) {
            for (int month : months_)
                dayCandidates(civil::daysFromCivil(unit, month, 1), monthLength(unit, month), out);
            break;
        }
        const std::int64_t first = civil::daysFromCivil(unit, 1, 1);
        dayCandidates(first, civil::daysFromCivil(unit + 1, 1, 1) - first, out);
        break;
    }
    case Frequency::monthly: {
        const std::int64_t year = floorDiv(unit, 12);
        const int month = static_cast<int>(unit - year * 12 + 1);
        dayCandidates(civil::daysFromCivil(year, month, 1), monthLength(year, month), out);
        break;
    }
    case Frequency::weekly:
        dayCandidates(unit * 7 + firstMonday + rule_.weekStart, 7, out);
        break;
    case Frequency::daily:
        dayCandidates(unit, 1, out);
        break;
    case Frequency::hourly:
    case Frequency::minutely:
    case Frequency::secondly:
        timeCandidates(unit, out, skipUnits);
        break;
    }
    if (!rule_.bySetPosition.empty() && !out.empty())
        keepSetPositions(rule_.bySetPosition, out);
}

RecurrenceExpander::Result RecurrenceExpander::forEach(LocalSeconds from, LocalSeconds to,
                                                       std::int64_t &budget,
                                                       const std::function<bool(LocalSeconds)> &visit) const
{
    if (rule_.scale != RuleScale::gregorian)
        return forEachLunar(from, to, budget, visit);
    const std::int64_t base = firstPeriodUnit();
    const std::int64_t interval = rule_.interval;
    std::int64_t period = 0;
    if (rule_.count == 0 && from > start_)
        period = std::max<std::int64_t>(0, floorDiv(periodUnit(from) - base, interval));
    const LocalSeconds end = std::min(to, until_.value_or(std::numeric_limits<LocalSeconds>::max()));
    const LocalSeconds beyondLastYear = localSeconds(lastYear + 1, 1, 1);
    // The start is the first occurrence whether or not the rule gives it,
    // and counts as one (RFC 5545 3.8.5.3); an UNTIL before it cannot take it away.
    std::int64_t produced = 1;
    if (start_ >= from && start_ <= to && !visit(start_))
        return Result::done;
    std::vector<LocalSeconds> candidates;
    for (;;) {
        if (--budget < 0)
            return Result::overBudget;
        const std::int64_t unit = base + period * interval;
        // Every period starts no later than its first candidate; the one
        // holding `end` is the last that may give one.
        if (unit > periodUnit(std::min(end, beyondLastYear - 1)))
            return Result::done;
        candidates.clear();
        std::int64_t skip = 0;
        periodCandidates(unit, candidates, skip);
        budget -= static_cast<std::int64_t>(candidates.size());
        for (LocalSeconds at : candidates) {
            if (at <= start_)
                continue;
            if (at > end || at >= beyondLastYear)
                return Result::done;
            if (rule_.count > 0 && ++produced > rule_.count)
                return Result::done;
            if (at >= from && !visit(at))
                return Result::done;
        }
        period += 1 + std::max<std::int64_t>(0, skip / interval);
    }
}

// Hijri months and years: the start's day of the month (and month of the
// year) in each period, a day the month lacks skipped as the rule says.
RecurrenceExpander::Result
RecurrenceExpander::forEachLunar(LocalSeconds from, LocalSeconds to, std::int64_t &budget,
                                 const std::function<bool(LocalSeconds)> &visit) const
{
    if (start_ >= from && start_ <= to && !visit(start_))
        return Result::done;
    const LunarMonths months(rule_.scale);
    const std::int64_t startDay = dayOf(start_);
    const LocalSeconds timeOfDay = start_ - startDay * secondsPerDay;
    const auto first = months.dateOf(startDay);
    if (!first)
        return Result::done;
    const std::int64_t step = (rule_.frequency == Frequency::yearly ? 12 : 1) * std::int64_t{rule_.interval};
    const LocalSeconds end = std::min({to, until_.value_or(std::numeric_limits<LocalSeconds>::max()),
                                       localSeconds(lastYear + 1, 1, 1) - 1});
    std::int64_t period = 1;
    if (rule_.count == 0 && from > start_) {
        // A lunar month is never shorter than 29 days: no period before
        // this one reaches `from`.
        const std::int64_t daysAway = (from - start_) / secondsPerDay;
        period = std::max<std::int64_t>(1, daysAway / (30 * step) - 1);
    }
    std::int64_t produced = 1;
    for (;; ++period) {
        if (--budget < 0)
            return Result::overBudget;
        const auto month = months.month(first->month + period * step);
        if (!month || month->firstDay * secondsPerDay > end)
            return Result::done;
        std::int64_t day = month->firstDay + first->day - 1;
        if (first->day > month->length) {
            if (rule_.skip == RuleSkip::omit)
                continue;
            day = month->firstDay + month->length - (rule_.skip == RuleSkip::backward ? 1 : 0);
        }
        const LocalSeconds at = day * secondsPerDay + timeOfDay;
        if (at <= start_)
            continue;
        if (at > end)
            return Result::done;
        if (rule_.count > 0 && ++produced > rule_.count)
            return Result::done;
        if (at >= from && !visit(at))
            return Result::done;
    }
}

} // namespace platform::ical
