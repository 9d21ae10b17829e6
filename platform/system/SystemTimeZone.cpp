// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/SystemTimeZone.h"

#include "platform/system/BoundedFile.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>
#include <unicode/dtrule.h>
#include <unicode/rbtz.h>
#include <unicode/timezone.h>
#include <unicode/tzrule.h>
#include <vector>

namespace platform::SystemTimeZone {

namespace {

constexpr std::int64_t secondsPerDay = 86400;
// A zone file is a few kilobytes; anything far larger is not one.
constexpr qint64 maximumFileSize = 1 << 20;
// Years up to which a rule's transitions are listed one by one. ICU's annual
// rules take over after them when they can say the same thing.
constexpr std::int64_t listedYearsWithAnnualRules = 2037;
constexpr std::int64_t listedYearsWithoutAnnualRules = 2200;

struct LocalType
{
    std::int32_t offset = 0; // seconds east of UTC
    bool dst = false;
    QByteArray name;
    std::tuple<std::int32_t, bool, QByteArray> key() const { return {offset, dst, name}; }
};

struct Transition
{
    std::int64_t at; // seconds since the epoch, UTC
    int type;
};

// One end of the daylight-saving period of a POSIX TZ string.
struct RuleDate
{
    enum Kind
    {
        julianNoLeap,
        zeroBased,
        monthWeekDay
    } kind = monthWeekDay;
    int day = 0; // Jn: 1..365; n: 0..365; Mm.w.d: d, 0 = Sunday
    int month = 0;
    int week = 0;
    std::int64_t time = 7200; // after local midnight; may be negative or past a day
};

struct PosixRule
{
    LocalType standard;
    std::optional<LocalType> daylight;
    RuleDate start;
    RuleDate end;
};

// Howard Hinnant's days-from-civil: days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::int64_t yearOfSeconds(std::int64_t seconds)
{
    std::int64_t z = (seconds >= 0 ? seconds : seconds - secondsPerDay + 1) / secondsPerDay + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    return yoe + era * 400 + (mp >= 10 ? 1 : 0);
}

bool isLeapYear(std::int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int monthLength(std::int64_t y, int m)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : lengths[m - 1];
}

// 0 = Sunday; 1970-01-01 was a Thursday.
int weekdayOfDay(std::int64_t day)
{
    return static_cast<int>(((day % 7) + 7 + 4) % 7);
}

std::int64_t ruleDay(const RuleDate &d, std::int64_t year)
{
    const std::int64_t newYear = daysFromCivil(year, 1, 1);
    switch (d.kind) {
    case RuleDate::julianNoLeap:
        // Counts 29 February never, so day 60 is always 1 March.
        return newYear + d.day - 1 + (isLeapYear(year) && d.day >= 60 ? 1 : 0);
    case RuleDate::zeroBased:
        return newYear + d.day;
    case RuleDate::monthWeekDay:
        break;
    }
    const std::int64_t first = daysFromCivil(year, d.month, 1);
    std::int64_t day = first + (d.day - weekdayOfDay(first) + 7) % 7 + 7 * (d.week - 1);
    while (day >= first + monthLength(year, d.month))
        day -= 7; // week 5 is the last such weekday of the month
    return day;
}

class PosixParser
{
public:
    explicit PosixParser(const QByteArray &text) : s_(text) {}

    std::optional<PosixRule> parse()
    {
        PosixRule r;
        if (!name(&r.standard.name))
            return std::nullopt;
        const auto offset = signedTime();
        if (!offset)
            return std::nullopt;
        // POSIX counts hours west of Greenwich.
        r.standard.offset = static_cast<std::int32_t>(-*offset);
        if (atEnd())
            return r;
        LocalType daylight;
        daylight.dst = true;
        if (!name(&daylight.name))
            return std::nullopt;
        daylight.offset = r.standard.offset + 3600;
        if (!atEnd() && peek() != ',') {
            const auto o = signedTime();
            if (!o)
                return std::nullopt;
            daylight.offset = static_cast<std::int32_t>(-*o);
        }
        r.daylight = daylight;
        if (atEnd()) {
            // No dates given: the traditional United States ones.
            r.start = {RuleDate::monthWeekDay, 0, 3, 2, 7200};
            r.end = {RuleDate::monthWeekDay, 0, 11, 1, 7200};
            return r;
        }
        if (!eat(',') || !ruleDate(&r.start) || !eat(',') || !ruleDate(&r.end) || !atEnd())
            return std::nullopt;
        return r;
    }

private:
    bool atEnd() const { return pos_ >= s_.size(); }
    char peek() const { return s_.at(pos_); }
    bool eat(char c)
    {
        if (atEnd() || peek() != c)
            return false;
        ++pos_;
        return true;
    }

    bool name(QByteArray *out)
    {
        if (eat('<')) {
            const qsizetype close = s_.indexOf('>', pos_);
            if (close < 0)
                return false;
            *out = s_.mid(pos_, close - pos_);
            pos_ = close + 1;
            return !out->isEmpty();
        }
        const qsizetype begin = pos_;
        while (!atEnd() && std::isalpha(static_cast<unsigned char>(peek())))
            ++pos_;
        *out = s_.mid(begin, pos_ - begin);
        return out->size() >= 3;
    }

    std::optional<std::int64_t> number(std::int64_t max)
    {
        const qsizetype begin = pos_;
        std::int64_t v = 0;
        while (!atEnd() && std::isdigit(static_cast<unsigned char>(peek())) && pos_ - begin < 3)
            v = v * 10 + (s_.at(pos_++) - '0');
        if (pos_ == begin || v > max)
            return std::nullopt;
        return v;
    }

    // [+-]h[h[h]][:mm[:ss]] in seconds.
    std::optional<std::int64_t> signedTime()
    {
        const int sign = eat('-') ? -1 : (eat('+'), 1);
        const auto hours = number(167);
        if (!hours)
            return std::nullopt;
        std::int64_t total = *hours * 3600;
        for (int scale : {60, 1}) {
            if (!eat(':'))
                break;
            const auto part = number(59);
            if (!part)
                return std::nullopt;
            total += *part * scale;
        }
        return sign * total;
    }

    bool ruleDate(RuleDate *d)
    {
        if (eat('M')) {
            const auto month = number(12);
            if (!month || *month < 1 || !eat('.'))
                return false;
            const auto week = number(5);
            if (!week || *week < 1 || !eat('.'))
                return false;
            const auto day = number(6);
            if (!day)
                return false;
            *d = {RuleDate::monthWeekDay, int(*day), int(*month), int(*week)};
        } else if (eat('J')) {
            const auto day = number(365);
            if (!day || *day < 1)
                return false;
            *d = {RuleDate::julianNoLeap, int(*day)};
        } else {
            const auto day = number(365);
            if (!day)
                return false;
            *d = {RuleDate::zeroBased, int(*day)};
        }
        d->time = 7200;
        if (eat('/')) {
            const auto t = signedTime();
            if (!t)
                return false;
            d->time = *t;
        }
        return true;
    }

    QByteArray s_;
    qsizetype pos_ = 0;
};

// The same yearly date as an ICU rule, if ICU can say it. POSIX allows times
// outside the day (Nuuk's -1, Israel's 26, Egypt's 24): the day moves instead.
std::unique_ptr<icu::DateTimeRule> annualRule(const RuleDate &d)
{
    const std::int64_t shift = (d.time >= 0 ? d.time : d.time - secondsPerDay + 1) / secondsPerDay;
    const auto millis = static_cast<int32_t>((d.time - shift * secondsPerDay) * 1000);
    const auto wall = icu::DateTimeRule::WALL_TIME;
    if (d.kind != RuleDate::monthWeekDay || d.month == 2)
        return nullptr; // February's length and day counts change with leap years
    const int weekday = static_cast<int>((d.day + shift % 7 + 7) % 7) + 1; // ICU: 1 = Sunday
    const int length = monthLength(2001, d.month);
    if (d.week < 5) {
        const std::int64_t dom = 7 * (d.week - 1) + 1 + shift;
        if (dom < 1 || dom > length)
            return nullptr;
        return std::make_unique<icu::DateTimeRule>(d.month - 1, int(dom), weekday, true, millis, wall);
    }
    if (shift == 0)
        return std::make_unique<icu::DateTimeRule>(d.month - 1, -1, weekday, millis, wall);
    if (shift < 0 && length + shift >= 1)
        return std::make_unique<icu::DateTimeRule>(d.month - 1, int(length + shift), weekday, false, millis,
                                                   wall);
    if (shift > 0 && shift <= 28 && d.month < 12)
        return std::make_unique<icu::DateTimeRule>(d.month, int(shift), weekday, false, millis, wall);
    return nullptr;
}

std::int32_t readInt32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return static_cast<std::int32_t>((std::uint32_t(u[0]) << 24) | (std::uint32_t(u[1]) << 16) |
                                     (std::uint32_t(u[2]) << 8) | std::uint32_t(u[3]));
}

std::int64_t readInt64(const char *p)
{
    return static_cast<std::int64_t>((std::uint64_t(std::uint32_t(readInt32(p))) << 32) |
                                     std::uint32_t(readInt32(p + 4)));
}

struct TzifData
{
    std::vector<LocalType> types;
    std::vector<Transition> transitions;
    std::optional<PosixRule> rule;
};

std::optional<TzifData> parseTzif(const QByteArray &data)
{
    constexpr int headerSize = 44;
    auto counts = [&](qsizetype at, std::int64_t c[6]) {
        if (data.size() < at + headerSize || data.mid(at, 4) != "TZif")
            return false;
        for (int i = 0; i < 6; ++i) {
            c[i] = readInt32(data.constData() + at + 20 + 4 * i);
            if (c[i] < 0 || c[i] > 100000)
                return false;
        }
        return true;
    };
    // isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt
    std::int64_t c[6];
    if (!counts(0, c))
        return std::nullopt;
    const char version = data.at(4);
    qsizetype at = headerSize;
    int timeSize = 4;
    if (version >= '2') {
        // The first block is for 32-bit readers; the second has 64-bit times and a rule.
        at += c[3] * 4 + c[3] + c[4] * 6 + c[5] + c[2] * 8 + c[1] + c[0];
        if (!counts(at, c))
            return std::nullopt;
        at += headerSize;
        timeSize = 8;
    }
    const std::int64_t timecnt = c[3], typecnt = c[4], charcnt = c[5];
    const qsizetype blockSize =
        timecnt * timeSize + timecnt + typecnt * 6 + charcnt + c[2] * (timeSize + 4) + c[1] + c[0];
    if (typecnt < 1 || data.size() < at + blockSize)
        return std::nullopt;
    const char *p = data.constData() + at;
    TzifData out;
    const char *indices = p + timecnt * timeSize;
    const char *types = indices + timecnt;
    const char *names = types + typecnt * 6;
    for (std::int64_t i = 0; i < typecnt; ++i) {
        const char *t = types + 6 * i;
        const auto nameIndex = static_cast<unsigned char>(t[5]);
        if (nameIndex >= charcnt)
            return std::nullopt;
        LocalType type;
        type.offset = readInt32(t);
        type.dst = t[4] != 0;
        type.name = QByteArray(names + nameIndex, qstrnlen(names + nameIndex, charcnt - nameIndex));
        out.types.push_back(type);
    }
    for (std::int64_t i = 0; i < timecnt; ++i) {
        const auto type = static_cast<unsigned char>(indices[i]);
        if (type >= typecnt)
            return std::nullopt;
        const std::int64_t when = timeSize == 8 ? readInt64(p + 8 * i) : readInt32(p + 4 * i);
        out.transitions.push_back({when, type});
    }
    if (timeSize == 8) {
        const qsizetype footer = at + blockSize;
        if (data.size() > footer + 1 && data.at(footer) == '\n') {
            const qsizetype close = data.indexOf('\n', footer + 1);
            const QByteArray text = data.mid(footer + 1, close < 0 ? -1 : close - footer - 1);
            if (!text.isEmpty())
                out.rule = PosixParser(text).parse();
        }
    }
    return out;
}

// The two transitions a zone's daylight rule makes in a year, in order.
struct RuleYear
{
    const PosixRule &rule;
    // Where the rule's standard type lies in the zone's types; daylight follows it.
    int standardType;

    std::array<Transition, 2> transitions(std::int64_t year) const
    {
        Transition start{ruleDay(rule.start, year) * secondsPerDay + rule.start.time - rule.standard.offset,
                         standardType + 1};
        Transition end{ruleDay(rule.end, year) * secondsPerDay + rule.end.time - rule.daylight->offset,
                       standardType};
        if (end.at < start.at)
            std::swap(start, end);
        return {start, end};
    }
};

// Files list decades of the transitions their rule makes anyway. Leaves
// those years to the annual rules, since ICU looks an instant up by walking
// the listed transitions back from the last; returns the first year they
// then cover.
std::int32_t leaveYearsToAnnualRules(std::vector<Transition> &transitions,
                                     const std::vector<LocalType> &types, const RuleYear &ruleYear,
                                     std::int32_t annualFrom)
{
    const auto madeByRule = [&](const Transition &t) {
        const std::int64_t year = yearOfSeconds(t.at);
        for (std::int64_t y = year - 1; y <= year + 1; ++y)
            for (const Transition &r : ruleYear.transitions(y))
                if (r.at == t.at && types[r.type].offset == types[t.type].offset &&
                    types[r.type].dst == types[t.type].dst)
                    return true;
        return false;
    };
    std::size_t firstMade = transitions.size();
    while (firstMade > 0 && madeByRule(transitions[firstMade - 1]))
        --firstMade;
    if (firstMade == transitions.size())
        return annualFrom;
    const std::int64_t from = yearOfSeconds(transitions[firstMade].at) + 1;
    if (from > annualFrom)
        return annualFrom;
    while (!transitions.empty() && yearOfSeconds(transitions.back().at) >= from)
        transitions.pop_back();
    return static_cast<std::int32_t>(from);
}

// The rule's transitions after the file's last, up to `lastYear`.
void listRuleYears(std::vector<Transition> &transitions, const RuleYear &ruleYear, std::int64_t lastYear)
{
    const std::int64_t after =
        transitions.empty() ? std::numeric_limits<std::int64_t>::min() : transitions.back().at;
    const std::int64_t firstYear = transitions.empty() ? 1970 : yearOfSeconds(after);
    for (std::int64_t year = firstYear; year <= lastYear; ++year)
        for (const Transition &t : ruleYear.transitions(year))
            if (t.at > after)
                transitions.push_back(t);
}

icu::UnicodeString icuName(const QByteArray &name)
{
    return icu::UnicodeString::fromUTF8(name.constData());
}

std::int32_t rawOffsetOf(const LocalType &t)
{
    return (t.dst ? t.offset - 3600 : t.offset) * 1000;
}

std::int32_t savingsOf(const LocalType &t)
{
    return t.dst ? 3600 * 1000 : 0;
}

// One array rule per distinct local time type, holding the moments it begins.
void addListedTransitions(icu::RuleBasedTimeZone &zone, const std::vector<LocalType> &types,
                          const std::vector<Transition> &transitions, UErrorCode &status)
{
    std::map<std::tuple<std::int32_t, bool, QByteArray>, std::vector<UDate>> starts;
    auto current = types[0].key();
    for (const Transition &t : transitions) {
        const LocalType &type = types[t.type];
        if (type.key() == current)
            continue;
        current = type.key();
        starts[type.key()].push_back(static_cast<UDate>(t.at) * 1000.0);
    }
    for (const auto &[key, times] : starts) {
        const LocalType type{std::get<0>(key), std::get<1>(key), std::get<2>(key)};
        zone.addTransitionRule(
            new icu::TimeArrayTimeZoneRule(icuName(type.name), rawOffsetOf(type), savingsOf(type),
                                           times.data(), int32_t(times.size()), icu::DateTimeRule::UTC_TIME),
            status);
    }
}

void addAnnualRules(icu::RuleBasedTimeZone &zone, const PosixRule &rule,
                    std::unique_ptr<icu::DateTimeRule> start, std::unique_ptr<icu::DateTimeRule> end,
                    std::int32_t firstYear, UErrorCode &status)
{
    const int32_t raw = rule.standard.offset * 1000;
    const int32_t save = (rule.daylight->offset - rule.standard.offset) * 1000;
    zone.addTransitionRule(new icu::AnnualTimeZoneRule(icuName(rule.daylight->name), raw, save,
                                                       start.release(), firstYear,
                                                       icu::AnnualTimeZoneRule::MAX_YEAR),
                           status);
    zone.addTransitionRule(new icu::AnnualTimeZoneRule(icuName(rule.standard.name), raw, 0, end.release(),
                                                       firstYear, icu::AnnualTimeZoneRule::MAX_YEAR),
                           status);
}

std::unique_ptr<icu::TimeZone> build(const QString &id, TzifData data)
{
    std::vector<LocalType> &types = data.types;
    std::vector<Transition> &transitions = data.transitions;
    std::unique_ptr<icu::DateTimeRule> startRule, endRule;
    std::int32_t annualFrom = listedYearsWithAnnualRules + 1;
    if (data.rule && data.rule->daylight) {
        const PosixRule &rule = *data.rule;
        // Annual rules want daylight time to be ahead of standard time;
        // otherwise the rule's years are listed instead.
        if (rule.daylight->offset > rule.standard.offset) {
            startRule = annualRule(rule.start);
            endRule = annualRule(rule.end);
        }
        const bool annual = startRule && endRule;
        const RuleYear ruleYear{rule, int(types.size())};
        types.push_back(rule.standard);
        types.push_back(*rule.daylight);
        if (annual)
            annualFrom = leaveYearsToAnnualRules(transitions, types, ruleYear, annualFrom);
        listRuleYears(transitions, ruleYear, annual ? annualFrom - 1 : listedYearsWithoutAnnualRules);
        if (!annual) {
            startRule.reset();
            endRule.reset();
        }
    }

    const icu::UnicodeString uid(reinterpret_cast<const UChar *>(id.utf16()),
                                 static_cast<int32_t>(id.size()));
    auto *initial =
        new icu::InitialTimeZoneRule(icuName(types[0].name), rawOffsetOf(types[0]), savingsOf(types[0]));
    auto zone = std::make_unique<icu::RuleBasedTimeZone>(uid, initial);
    UErrorCode status = U_ZERO_ERROR;
    addListedTransitions(*zone, types, transitions, status);
    if (startRule && endRule)
        addAnnualRules(*zone, *data.rule, std::move(startRule), std::move(endRule), annualFrom, status);
    zone->complete(status);
    if (U_FAILURE(status))
        return nullptr;
    return zone;
}

QString zoneDirectory()
{
    const QByteArray dir = qgetenv("TZDIR");
    return dir.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : QString::fromLocal8Bit(dir);
}

// Zone ids are paths under the database; nothing that climbs out of it.
// Checked by hand: a regular expression costs every process a compile.
bool isSafeId(const QString &id)
{
    // The longest zone id is about thirty characters.
    if (id.size() > 128)
        return false;
    for (const QStringView part : QStringView(id).split(u'/')) {
        if (part.isEmpty())
            return false;
        for (const QChar c : part) {
            const bool allowed = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                                 (c >= u'0' && c <= u'9') || c == u'_' || c == u'+' || c == u'-';
            if (!allowed)
                return false;
        }
    }
    return true;
}

std::unique_ptr<icu::TimeZone> loadFile(const QString &id, const QString &path)
{
    // $TZDIR is the user's to set: a FIFO there must not stop every command.
    const std::optional<QByteArray> data = readRegularFile(path, maximumFileSize);
    return data ? fromTzif(id, *data) : nullptr;
}

// Zones are read once per process; calendars clone them.
const icu::TimeZone *cached(const QString &id)
{
    static std::mutex mutex;
    static std::map<QString, std::unique_ptr<icu::TimeZone>> zones;
    std::lock_guard lock(mutex);
    auto it = zones.find(id);
    if (it == zones.end()) {
        std::unique_ptr<icu::TimeZone> zone;
        if (id.isEmpty()) {
            const QString target = QFileInfo(QStringLiteral("/etc/localtime")).symLinkTarget();
            const qsizetype at = target.indexOf(QLatin1String("zoneinfo/"));
            zone = loadFile(at >= 0 ? target.mid(at + 9) : QStringLiteral("localtime"),
                            QStringLiteral("/etc/localtime"));
        } else if (isSafeId(id)) {
            zone = loadFile(id, zoneDirectory() + QLatin1Char('/') + id);
        }
        it = zones.emplace(id, std::move(zone)).first;
    }
    return it->second.get();
}

// A zone that answers from one of the cached zones. ICU copies a calendar's zone
// with every calendar copy, and a rule-based zone re-indexes all its
// transitions when copied: hundreds of microseconds for a zone with a long
// history. Cached zones live as long as the process and are only read, so the
// copies can share them. It is a rule-based zone itself, since ICU's calendars
// resolve skipped and repeated wall times only for the zone types they know.
class SharedZone final : public icu::RuleBasedTimeZone
{
public:
    explicit SharedZone(const icu::BasicTimeZone &zone)
        : icu::RuleBasedTimeZone(idOf(zone),
                                 new icu::InitialTimeZoneRule(idOf(zone), zone.getRawOffset(), 0)),
          zone_(&zone)
    {
        UErrorCode status = U_ZERO_ERROR;
        complete(status);
    }
    SharedZone(const SharedZone &) = default;

    SharedZone *clone() const override { return new SharedZone(*this); }
    bool operator==(const icu::TimeZone &that) const override { return *zone_ == *unwrap(that); }
    int32_t getOffset(uint8_t era, int32_t year, int32_t month, int32_t day, uint8_t dayOfWeek,
                      int32_t millis, UErrorCode &status) const override
    {
        return zone_->getOffset(era, year, month, day, dayOfWeek, millis, status);
    }
    int32_t getOffset(uint8_t era, int32_t year, int32_t month, int32_t day, uint8_t dayOfWeek,
                      int32_t millis, int32_t monthLength, UErrorCode &status) const override
    {
        return zone_->getOffset(era, year, month, day, dayOfWeek, millis, monthLength, status);
    }
    void getOffset(UDate date, UBool local, int32_t &rawOffset, int32_t &dstOffset,
                   UErrorCode &status) const override
    {
        zone_->getOffset(date, local, rawOffset, dstOffset, status);
    }
    void setRawOffset(int32_t) override {}
    int32_t getRawOffset() const override { return zone_->getRawOffset(); }
    UBool useDaylightTime() const override { return zone_->useDaylightTime(); }
    UBool inDaylightTime(UDate date, UErrorCode &status) const override
    {
        return zone_->inDaylightTime(date, status);
    }
    UBool hasSameRules(const icu::TimeZone &other) const override
    {
        return zone_->hasSameRules(*unwrap(other));
    }
    UBool getNextTransition(UDate base, UBool inclusive, icu::TimeZoneTransition &result) const override
    {
        return zone_->getNextTransition(base, inclusive, result);
    }
    UBool getPreviousTransition(UDate base, UBool inclusive, icu::TimeZoneTransition &result) const override
    {
        return zone_->getPreviousTransition(base, inclusive, result);
    }
    int32_t countTransitionRules(UErrorCode &status) const override
    {
        return zone_->countTransitionRules(status);
    }
    void getTimeZoneRules(const icu::InitialTimeZoneRule *&initial, const icu::TimeZoneRule *rules[],
                          int32_t &count, UErrorCode &status) const override
    {
        zone_->getTimeZoneRules(initial, rules, count, status);
    }
    void getOffsetFromLocal(UDate date, UTimeZoneLocalOption nonExistingTimeOpt,
                            UTimeZoneLocalOption duplicatedTimeOpt, int32_t &rawOffset, int32_t &dstOffset,
                            UErrorCode &status) const override
    {
        zone_->getOffsetFromLocal(date, nonExistingTimeOpt, duplicatedTimeOpt, rawOffset, dstOffset, status);
    }

private:
    static icu::UnicodeString idOf(const icu::TimeZone &zone)
    {
        icu::UnicodeString id;
        return zone.getID(id);
    }
    static const icu::TimeZone *unwrap(const icu::TimeZone &zone)
    {
        const auto *shared = dynamic_cast<const SharedZone *>(&zone);
        return shared ? shared->zone_ : &zone;
    }

    const icu::BasicTimeZone *zone_;
};

icu::TimeZone *icuZone(const QString &id)
{
    return icu::TimeZone::createTimeZone(
        icu::UnicodeString(reinterpret_cast<const UChar *>(id.utf16()), static_cast<int32_t>(id.size())));
}

} // namespace

std::unique_ptr<icu::TimeZone> fromTzif(const QString &id, const QByteArray &data)
{
    std::optional<TzifData> parsed = parseTzif(data);
    if (!parsed)
        return nullptr;
    return build(id, std::move(*parsed));
}

std::unique_ptr<icu::TimeZone> create(const QString &id)
{
    if (const icu::TimeZone *zone = cached(id)) {
        if (const auto *rules = dynamic_cast<const icu::BasicTimeZone *>(zone))
            return std::make_unique<SharedZone>(*rules);
        return std::unique_ptr<icu::TimeZone>(zone->clone());
    }
    return std::unique_ptr<icu::TimeZone>(icuZone(id));
}

bool isKnown(const QString &id)
{
    if (cached(id))
        return true;
    std::unique_ptr<icu::TimeZone> zone(icuZone(id));
    return *zone != icu::TimeZone::getUnknown();
}

} // namespace platform::SystemTimeZone
