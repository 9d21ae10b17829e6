// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/Console.h"

#include <cstdio>
#include <mutex>

namespace platform {

namespace {
std::mutex sinkMutex;
ConsoleSink &sink()
{
    static ConsoleSink s;
    return s;
}
} // namespace

void consoleLog(const QString &line)
{
    ConsoleSink current;
    {
        std::lock_guard lock(sinkMutex);
        current = sink();
    }
    if (current) {
        current(line);
        return;
    }
    const QByteArray utf8 = line.toUtf8();
    std::fprintf(stderr, "%s\n", utf8.constData());
    std::fflush(stderr);
}

ConsoleSink setConsoleSink(ConsoleSink newSink)
{
    std::lock_guard lock(sinkMutex);
    return std::exchange(sink(), std::move(newSink));
}

QString printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\')
            out += QStringLiteral("\\\\");
        else if (u == '\n')
            out += QStringLiteral("\\n");
        else if (u == '\t')
            out += QStringLiteral("\\t");
        else if (u == '\r')
            out += QStringLiteral("\\r");
        else if (u < 0x20 || (u >= 0x7f && u < 0xa0) || u == 0x2028 || u == 0x2029)
            out += QStringLiteral("\\x{%1}").arg(int(u), 0, 16);
        else
            out += c;
    }
    return out;
}

} // namespace platform
