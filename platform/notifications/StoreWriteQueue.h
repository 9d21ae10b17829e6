// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace platform {

// The application's writes to the notification store, made in the order
// they were asked for on a thread of their own, so that another process
// holding the file's write lock never stalls the window. A write that was
// locked out is tried again until the lock goes; one that fails otherwise
// is logged once and dropped.
class StoreWriteQueue
{
public:
    // A write bound to its store: true when it went through.
    using Write = std::function<bool()>;

    StoreWriteQueue() = default;
    // Waits a few seconds for the queued writes; what is still locked out
    // then is logged and dropped.
    ~StoreWriteQueue();
    StoreWriteQueue(const StoreWriteQueue &) = delete;
    StoreWriteQueue &operator=(const StoreWriteQueue &) = delete;

    // Returns at once; `done` is called on the queue's thread with the outcome.
    void post(Write write, QString failure, std::function<void(bool)> done = {});
    // Returns the outcome, after every write posted before it.
    bool run(Write write, QString failure);
    // Waits until every write posted so far is done; false after `timeoutMs`.
    bool waitForWrites(int timeoutMs);

private:
    struct Job
    {
        Write write;
        QString failure;
        std::function<void(bool)> done;
    };
    void work();
    bool attempt(const Job &job);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace platform
