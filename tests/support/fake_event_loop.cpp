// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_event_loop.h"

#include <algorithm>

void FakeEventLoop::pumpEvents()
{
    ++m_pumps;
    while (runOneDue()) {}
}

void FakeEventLoop::waitForEvents(int maxMs)
{
    ++m_pumps;
    const qint64 deadline = m_now + std::max(maxMs, 0);
    const qint64 due = nextDue();
    // Like a real blocking wait: wake for the first event, or at the deadline.
    m_now = (due >= 0 && due < deadline) ? std::max(due, m_now) : deadline;
    while (runOneDue()) {}
}

void FakeEventLoop::advance(qint64 ms)
{
    const qint64 end = m_now + ms;
    for (;;) {
        const qint64 due = nextDue();
        if (due < 0 || due > end)
            break;
        m_now = std::max(m_now, due);
        runOneDue();
    }
    m_now = std::max(m_now, end);
}

void FakeEventLoop::postAt(qint64 atMs, std::function<void()> fn)
{
    m_posted.push_back({atMs, std::move(fn)});
}

void FakeEventLoop::add(FakeTimer *timer)
{
    m_timers.push_back(timer);
}

void FakeEventLoop::remove(FakeTimer *timer)
{
    m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), timer), m_timers.end());
}

qint64 FakeEventLoop::nextDue() const
{
    qint64 best = -1;
    for (const Posted &p : m_posted) {
        if (best < 0 || p.at < best)
            best = p.at;
    }
    for (const FakeTimer *t : m_timers) {
        if (t->isRunning() && (best < 0 || t->m_due < best))
            best = t->m_due;
    }
    return best;
}

bool FakeEventLoop::runOneDue()
{
    // Posted events first among equals: they were queued before the timer came due.
    auto posted = std::min_element(m_posted.begin(), m_posted.end(),
                                   [](const Posted &a, const Posted &b) { return a.at < b.at; });
    FakeTimer *timer = nullptr;
    for (FakeTimer *t : m_timers) {
        if (t->isRunning() && t->m_due <= m_now && (!timer || t->m_due < timer->m_due))
            timer = t;
    }
    if (posted != m_posted.end() && posted->at <= m_now && (!timer || posted->at <= timer->m_due)) {
        std::function<void()> fn = std::move(posted->fn);
        m_posted.erase(posted);
        fn();
        return true;
    }
    if (timer) {
        timer->fire();
        return true;
    }
    return false;
}

FakeTimer::FakeTimer(FakeEventLoop &loop) : m_loop(loop)
{
    m_loop.add(this);
}

FakeTimer::~FakeTimer()
{
    m_loop.remove(this);
}

void FakeTimer::restart()
{
    m_due = isRunning() ? m_loop.now() + m_interval : -1;
}

void FakeTimer::setInterval(int ms)
{
    m_interval = std::max(ms, 0);
    restart();
}

void FakeTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void FakeTimer::fire()
{
    // The next due time is settled before the handler runs, as Qt does; a due
    // time already in the past starts a fresh interval from now.
    m_due += m_interval;
    if (m_due <= m_loop.now())
        m_due = m_loop.now() + m_interval;
    ++m_fires;
    if (const std::function<void()> handler = m_handler)
        handler();
}
