#include "platform/Console.h"

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

} // namespace platform
