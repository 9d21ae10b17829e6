// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The baseline of `qamarly convert YYYY-MM-DD --json`: the least a program
// can do for the same answer. It parses the day, finds it on the Umm al-Qura
// calendar with ICU, formats both records with the same patterns and prints
// JSON. No Qt, no settings, no string tables.
#include <cstdio>
#include <memory>
#include <string>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

namespace {

std::string format(const icu::Calendar &calendar, const char *pattern, const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat formatter(icu::UnicodeString::fromUTF8(pattern), locale, status);
    formatter.setCalendar(calendar);
    icu::UnicodeString text;
    formatter.format(calendar.getTime(status), text);
    std::string out;
    text.toUTF8String(out);
    return out;
}

void printRecord(const char *name, const icu::Calendar &calendar, const icu::Locale &locale, bool last)
{
    UErrorCode status = U_ZERO_ERROR;
    std::printf("    \"%s\": {\n", name);
    std::printf("        \"dateFullString\": \"%s\",\n",
                format(calendar, "dd MMMM (M), yyyy", locale).c_str());
    std::printf("        \"day\": %d,\n", calendar.get(UCAL_DATE, status));
    std::printf("        \"month\": %d,\n", calendar.get(UCAL_MONTH, status) + 1);
    std::printf("        \"monthName\": \"%s\",\n", format(calendar, "MMMM (M)", locale).c_str());
    std::printf("        \"weekDayName\": \"%s\",\n", format(calendar, "EEEE", locale).c_str());
    std::printf("        \"year\": %d\n", calendar.get(UCAL_YEAR, status));
    std::printf("    }%s\n", last ? "" : ",");
}

} // namespace

int main(int argc, char **argv)
{
    int year = 0, month = 0, day = 0;
    if (argc < 2 || std::sscanf(argv[1], "%d-%d-%d", &year, &month, &day) != 3) {
        std::fprintf(stderr, "usage: bare-icu-convert YYYY-MM-DD\n");
        return 2;
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::getDefault();
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createDefault());
    std::unique_ptr<icu::Calendar> gregorian(icu::Calendar::createInstance(
        zone->clone(), icu::Locale(locale.getName(), nullptr, nullptr, "calendar=gregorian"), status));
    gregorian->clear();
    gregorian->set(year, month - 1, day);
    const UDate moment = gregorian->getTime(status);
    std::unique_ptr<icu::Calendar> hijri(icu::Calendar::createInstance(
        zone->clone(), icu::Locale(locale.getName(), nullptr, nullptr, "calendar=islamic-umalqura"), status));
    hijri->setTime(moment, status);
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "ICU: %s\n", u_errorName(status));
        return 1;
    }
    std::printf("{\n    \"adjustment\": 0,\n");
    printRecord("gregorian", *gregorian, locale, false);
    printRecord("hijri", *hijri, locale, true);
    std::printf("}\n");
    return 0;
}
