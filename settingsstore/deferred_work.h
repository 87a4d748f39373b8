// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace settings {

// When a burst of requests is served: once none came for kQuiet, and at the
// latest kMaxDelay after the first one still waiting. So a window drag costs
// one write, not one per move, and no request waits much longer than half a
// second. Apart from the thread so that a test can run it on a clock of its
// own.
class BurstSchedule {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kQuiet = std::chrono::milliseconds(50);
    static constexpr auto kMaxDelay = std::chrono::milliseconds(400);

    void request(Clock::time_point now);
    // When the waiting requests are due; nothing when none wait.
    std::optional<Clock::time_point> due() const;
    // Whether they are due at `now`; if so they are served from here on.
    bool take(Clock::time_point now);

private:
    bool m_waiting = false;
    Clock::time_point m_firstRequest;
    Clock::time_point m_lastRequest;
};

// Runs one piece of work on a thread of its own, as BurstSchedule says.
class DeferredWork {
public:
    explicit DeferredWork(std::function<void()> work);
    // Stops the thread; a request still waiting is not served.
    ~DeferredWork();
    DeferredWork(const DeferredWork &) = delete;
    DeferredWork &operator=(const DeferredWork &) = delete;

    void request();

private:
    using Clock = BurstSchedule::Clock;

    void run();

    std::function<void()> m_work;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    BurstSchedule m_schedule;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace settings
