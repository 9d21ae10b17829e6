// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/StoreWriteQueue.h"

#include "platform/notifications/NotificationStore.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <chrono>
#include <future>

namespace platform {

namespace {
using namespace std::chrono_literals;
// Between two tries of a locked-out write; the store's own lock wait is short.
constexpr auto retryPause = 20ms;
// At exit, how long locked-out writes are still tried.
constexpr auto lastChance = 5s;
} // namespace

StoreWriteQueue::~StoreWriteQueue()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void StoreWriteQueue::post(Write write, QString failure, std::function<void(bool)> done)
{
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(Job{std::move(write), std::move(failure), std::move(done)});
        if (!worker_.joinable())
            worker_ = std::thread([this] { work(); });
    }
    changed_.notify_all();
}

bool StoreWriteQueue::run(Write write, QString failure)
{
    auto outcome = std::make_shared<std::promise<bool>>();
    std::future<bool> result = outcome->get_future();
    post(std::move(write), std::move(failure), [outcome](bool ok) { outcome->set_value(ok); });
    return result.get();
}

bool StoreWriteQueue::waitForWrites(int timeoutMs)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [this] { return jobs_.empty() && !busy_; });
}

void StoreWriteQueue::work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty())
            return;
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        const bool ok = attempt(job);
        if (!ok)
            consoleWarning(lcNotifications(), job.failure);
        if (job.done)
            job.done(ok);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

bool StoreWriteQueue::attempt(const Job &job)
{
    std::optional<std::chrono::steady_clock::time_point> giveUpAt;
    for (;;) {
        if (job.write())
            return true;
        if (!NotificationStore::lastWriteLockedOut())
            return false;
        {
            std::unique_lock lock(mutex_);
            if (stopping_ && !giveUpAt)
                giveUpAt = std::chrono::steady_clock::now() + lastChance;
            if (giveUpAt && std::chrono::steady_clock::now() >= *giveUpAt)
                return false;
            // Woken early only to be told to stop.
            changed_.wait_for(lock, retryPause, [this, &giveUpAt] { return stopping_ && !giveUpAt; });
        }
    }
}

} // namespace platform
