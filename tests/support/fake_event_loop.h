// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/event_pump.h"
#include "platform/window_pieces.h"

#include <QtGlobal>

#include <functional>
#include <vector>

class FakeTimer;

// Virtual time for tests. Pumping handles what is due now; waiting moves
// virtual time forward to the next due event or the deadline. Timers behave
// like the clock's window timers: one may fire again inside its own handler.
class FakeEventLoop final : public platform::EventPump {
public:
    qint64 now() const { return m_now; }

    void pumpEvents() override;

    // Runs every event due up to now + ms, in time order, then sets the time to now + ms.
    void advance(qint64 ms);
    // Runs fn as an event at the given virtual time (or at once when it is past).
    void postAt(qint64 atMs, std::function<void()> fn);
    void post(std::function<void()> fn) { postAt(m_now, std::move(fn)); }

    // How often the clock's code asked for events to be pumped or waited for.
    int pumpCount() const { return m_pumps; }

private:
    friend class FakeTimer;
    void waitForEvents(int maxMs) override;
    struct Posted {
        qint64 at;
        std::function<void()> fn;
    };

    void add(FakeTimer *timer);
    void remove(FakeTimer *timer);
    // The earliest due time of any event, or -1.
    qint64 nextDue() const;
    // Runs one event that is due at or before now; false when none is.
    bool runOneDue();

    qint64 m_now = 0;
    int m_pumps = 0;
    std::vector<FakeTimer *> m_timers;
    std::vector<Posted> m_posted;
};

class FakeTimer final : public platform::Timer {
public:
    explicit FakeTimer(FakeEventLoop &loop);
    ~FakeTimer() override;

    int interval() const override { return m_interval; }
    void setInterval(int ms) override;
    bool isEnabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override;
    void setHandler(std::function<void()> handler) override { m_handler = std::move(handler); }

    bool isRunning() const { return m_enabled && m_interval > 0; }
    qint64 dueAt() const { return m_due; }
    int fireCount() const { return m_fires; }

private:
    friend class FakeEventLoop;
    void restart();
    void fire();

    FakeEventLoop &m_loop;
    std::function<void()> m_handler;
    int m_interval = 0;
    bool m_enabled = true;
    qint64 m_due = -1;
    int m_fires = 0;
};
