// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <mutex>

extern "C" {
#include <libical/ical.h>
}

namespace platform::ical {

// Each function by its name in libical less the "ical" in front.
#define QAMARLY_LIBICAL_FUNCTIONS(X)                                                                         \
    X(parser_parse_string)                                                                                   \
    X(component_free)                                                                                        \
    X(component_get_timezone)                                                                                \
    X(component_as_ical_string_r)                                                                            \
    X(timezone_get_builtin_timezone)                                                                         \
    X(timezone_get_builtin_timezone_from_tzid)                                                               \
    X(timezone_get_component)                                                                                \
    X(time_null_time)                                                                                        \
    X(time_null_date)                                                                                        \
    X(time_is_null_time)                                                                                     \
    X(time_as_timet_with_zone)                                                                               \
    X(time_from_timet_with_zone)                                                                             \
    X(durationtype_from_string)                                                                              \
    X(durationtype_is_bad_duration)                                                                          \
    X(durationtype_as_int)                                                                                   \
    X(recurrencetype_from_string)                                                                            \
    X(recur_iterator_new)                                                                                    \
    X(recur_iterator_next)                                                                                   \
    X(recur_iterator_free)                                                                                   \
    X(error_set_errors_are_fatal)

// The part of libical the writer uses. The library is loaded the first time
// an event is written, not at start: the commands that never write (every
// one but adding, changing and deleting) start without mapping it.
struct Libical
{
// A member's name, which cannot stand in parentheses.
// NOLINTNEXTLINE(bugprone-macro-parentheses)
#define QAMARLY_LIBICAL_MEMBER(name) decltype(&::ical##name) name = nullptr;
    QAMARLY_LIBICAL_FUNCTIONS(QAMARLY_LIBICAL_MEMBER)
#undef QAMARLY_LIBICAL_MEMBER
};

// libical's zone tables and error state are process-wide and unguarded:
// every use of libical in the process holds this.
std::mutex &libicalMutex();

// libical, loaded on the first call, with its errors made non-fatal (a value
// it cannot read is reported by the caller). Null when it cannot be loaded,
// with the loader's reason in *why.
const Libical *libical(QString *why = nullptr);

} // namespace platform::ical
