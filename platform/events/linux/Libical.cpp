// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/Libical.h"

#include <dlfcn.h>

namespace platform::ical {

namespace {

static_assert(ICAL_MAJOR_VERSION == 3, "the library's file name below carries its major version");
constexpr const char *libraryFile = "libical.so.3";

struct Loaded
{
    Libical functions{};
    QString failure;
};

template <typename Function> bool resolve(void *library, Function &into, const char *name, QString &failure)
{
    // dlsym hands back an object pointer; POSIX makes it a function's.
    into = reinterpret_cast<Function>(::dlsym(library, name));
    if (!into && failure.isEmpty())
        failure = QStringLiteral("%1 has no %2").arg(QLatin1String(libraryFile), QLatin1String(name));
    return into != nullptr;
}

Loaded load()
{
    Loaded loaded;
    // Kept loaded for the life of the process: its zone tables are cached
    // inside it.
    void *library = ::dlopen(libraryFile, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        loaded.failure = QString::fromLocal8Bit(::dlerror());
        return loaded;
    }
    Libical &f = loaded.functions;
    QString &why = loaded.failure;
    bool ok = resolve(library, f.parser_parse_string, "icalparser_parse_string", why);
    ok &= resolve(library, f.component_free, "icalcomponent_free", why);
    ok &= resolve(library, f.component_get_timezone, "icalcomponent_get_timezone", why);
    ok &= resolve(library, f.component_as_ical_string_r, "icalcomponent_as_ical_string_r", why);
    ok &= resolve(library, f.timezone_get_builtin_timezone, "icaltimezone_get_builtin_timezone", why);
    ok &= resolve(library, f.timezone_get_builtin_timezone_from_tzid,
                  "icaltimezone_get_builtin_timezone_from_tzid", why);
    ok &= resolve(library, f.timezone_get_component, "icaltimezone_get_component", why);
    ok &= resolve(library, f.time_null_time, "icaltime_null_time", why);
    ok &= resolve(library, f.time_null_date, "icaltime_null_date", why);
    ok &= resolve(library, f.time_is_null_time, "icaltime_is_null_time", why);
    ok &= resolve(library, f.time_as_timet_with_zone, "icaltime_as_timet_with_zone", why);
    ok &= resolve(library, f.time_from_timet_with_zone, "icaltime_from_timet_with_zone", why);
    ok &= resolve(library, f.durationtype_from_string, "icaldurationtype_from_string", why);
    ok &= resolve(library, f.durationtype_is_bad_duration, "icaldurationtype_is_bad_duration", why);
    ok &= resolve(library, f.durationtype_as_int, "icaldurationtype_as_int", why);
    ok &= resolve(library, f.recurrencetype_from_string, "icalrecurrencetype_from_string", why);
    ok &= resolve(library, f.recur_iterator_new, "icalrecur_iterator_new", why);
    ok &= resolve(library, f.recur_iterator_next, "icalrecur_iterator_next", why);
    ok &= resolve(library, f.recur_iterator_free, "icalrecur_iterator_free", why);
    decltype(&::icalerror_set_errors_are_fatal) setErrorsAreFatal = nullptr;
    ok &= resolve(library, setErrorsAreFatal, "icalerror_set_errors_are_fatal", why);
    if (ok)
        setErrorsAreFatal(0);
    return loaded;
}

} // namespace

std::mutex &libicalMutex()
{
    static std::mutex mutex;
    return mutex;
}

const Libical *libical(QString *why)
{
    static const Loaded loaded = load();
    if (!loaded.failure.isEmpty()) {
        if (why)
            *why = loaded.failure;
        return nullptr;
    }
    return &loaded.functions;
}

} // namespace platform::ical
