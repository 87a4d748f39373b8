// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace settings {

// Makes saves durable on disk shortly after the last one, off the caller's
// thread, so that a burst of saves (a window drag) costs one flush.
class DeferredSync {
public:
    ~DeferredSync();

    // `file` is the saved file's path; `folder` holds its name.
    void schedule(const QByteArray &folder, const QByteArray &file);
    // Flushes what is still waiting, on the caller's thread.
    void flushNow();

private:
    using Clock = std::chrono::steady_clock;
    using Batch = std::map<std::string, std::string>; // file -> folder
    static constexpr auto kQuiet = std::chrono::milliseconds(50);
    static constexpr auto kMaxDelay = std::chrono::milliseconds(500);

    void run();
    static void sync(const Batch &batch);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    Batch m_pending;
    Clock::time_point m_firstPending;
    Clock::time_point m_lastSchedule;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace settings
