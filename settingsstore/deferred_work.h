// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace settings {

// Runs one piece of work on a thread of its own once a burst of requests
// ends: when none came for kQuiet, and at the latest kMaxDelay after the
// first one still waiting. So a window drag costs one write, not one per
// move, and no request waits much longer than half a second.
class DeferredWork {
public:
    static constexpr auto kQuiet = std::chrono::milliseconds(50);
    static constexpr auto kMaxDelay = std::chrono::milliseconds(400);

    explicit DeferredWork(std::function<void()> work);
    // Stops the thread; a request still waiting is not served.
    ~DeferredWork();
    DeferredWork(const DeferredWork &) = delete;
    DeferredWork &operator=(const DeferredWork &) = delete;

    void request();

private:
    using Clock = std::chrono::steady_clock;

    void run();

    std::function<void()> m_work;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_waiting = false;
    Clock::time_point m_firstRequest;
    Clock::time_point m_lastRequest;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace settings
