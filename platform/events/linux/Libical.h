// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <mutex>

extern "C" {
#include <libical/ical.h>
}

namespace platform::ical {

// The part of libical the writer uses. The library is loaded the first time
// an event is written, not at start: the commands that never write (every
// one but adding, changing and deleting) start without mapping it.
struct Libical
{
    decltype(&::icalparser_parse_string) parser_parse_string;
    decltype(&::icalcomponent_free) component_free;
    decltype(&::icalcomponent_get_timezone) component_get_timezone;
    decltype(&::icalcomponent_as_ical_string_r) component_as_ical_string_r;
    decltype(&::icaltimezone_get_builtin_timezone) timezone_get_builtin_timezone;
    decltype(&::icaltimezone_get_builtin_timezone_from_tzid) timezone_get_builtin_timezone_from_tzid;
    decltype(&::icaltimezone_get_component) timezone_get_component;
    decltype(&::icaltime_null_time) time_null_time;
    decltype(&::icaltime_null_date) time_null_date;
    decltype(&::icaltime_is_null_time) time_is_null_time;
    decltype(&::icaltime_as_timet_with_zone) time_as_timet_with_zone;
    decltype(&::icaltime_from_timet_with_zone) time_from_timet_with_zone;
    decltype(&::icaldurationtype_from_string) durationtype_from_string;
    decltype(&::icaldurationtype_is_bad_duration) durationtype_is_bad_duration;
    decltype(&::icaldurationtype_as_int) durationtype_as_int;
    decltype(&::icalrecurrencetype_from_string) recurrencetype_from_string;
    decltype(&::icalrecur_iterator_new) recur_iterator_new;
    decltype(&::icalrecur_iterator_next) recur_iterator_next;
    decltype(&::icalrecur_iterator_free) recur_iterator_free;
};

// libical's zone tables and error state are process-wide and unguarded:
// every use of libical in the process holds this.
std::mutex &libicalMutex();

// libical, loaded on the first call, with its errors made non-fatal (a value
// it cannot read is reported by the caller). Null when it cannot be loaded,
// with the loader's reason in *why.
const Libical *libical(QString *why = nullptr);

} // namespace platform::ical
