// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QFile>
#include <QString>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace testenv {

// Makes a FIFO at `path`: opening it for reading waits for a writer for good.
inline bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// Runs `read` on a thread of its own and says whether it finished within
// `limit`. One that did not is stuck opening the FIFO at `fifo`: a writer
// comes and goes to let it out, so the test fails instead of hanging.
template <typename Result>
bool finishesDespiteFifo(const QString &fifo, const std::function<Result()> &read, Result *result,
                         std::chrono::seconds limit = std::chrono::seconds(5))
{
    auto running = std::async(std::launch::async, read);
    const bool finished = running.wait_for(limit) == std::future_status::ready;
    if (!finished)
        ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK));
    *result = running.get();
    return finished;
}

} // namespace testenv
