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
    bool ok = true;
#define QAMARLY_RESOLVE(name) ok = resolve(library, f.name, "ical" #name, why) && ok;
    QAMARLY_LIBICAL_FUNCTIONS(QAMARLY_RESOLVE)
#undef QAMARLY_RESOLVE
    if (ok)
        f.error_set_errors_are_fatal(0);
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
