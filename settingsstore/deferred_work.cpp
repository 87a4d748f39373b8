// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore/deferred_work.h"

#include "settingsstore/settings_log.h"

#include <algorithm>
#include <utility>

namespace settings {

void BurstSchedule::request(Clock::time_point now)
{
    if (!m_waiting)
        m_firstRequest = now;
    m_lastRequest = now;
    m_waiting = true;
}

std::optional<BurstSchedule::Clock::time_point> BurstSchedule::due() const
{
    if (!m_waiting)
        return std::nullopt;
    return std::min(m_lastRequest + kQuiet, m_firstRequest + kMaxDelay);
}

bool BurstSchedule::take(Clock::time_point now)
{
    const auto when = due();
    if (!when || now < *when)
        return false;
    m_waiting = false;
    return true;
}

DeferredWork::DeferredWork(std::function<void()> work) : m_work(std::move(work))
{
}

DeferredWork::~DeferredWork()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void DeferredWork::request()
{
    {
        std::lock_guard lock(m_mutex);
        m_schedule.request(Clock::now());
    }
    if (!m_thread.joinable()) {
        try {
            m_thread = std::thread([this] { run(); });
        } catch (...) {
            // No thread to be had: the work is done at once instead.
            qCWarning(lcSettings, "no thread for deferred saving; saving at once");
            {
                std::lock_guard lock(m_mutex);
                m_schedule = BurstSchedule();
            }
            m_work();
            return;
        }
    }
    m_wake.notify_one();
}

void DeferredWork::run()
{
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        const auto due = m_schedule.due();
        if (!due) {
            m_wake.wait(lock);
            continue;
        }
        if (!m_schedule.take(Clock::now())) {
            m_wake.wait_until(lock, *due);
            continue;
        }
        lock.unlock();
        m_work();
        lock.lock();
    }
}

} // namespace settings
