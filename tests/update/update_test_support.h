// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/tick_counter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTimer>
#include <QTranslator>

#include <functional>

// A monotonic counter that moves on by a fixed step each time it is read,
// so a transfer always sees time pass. It starts just short of its wrap.
class SteppingTicks final : public platform::TickCounter {
public:
    explicit SteppingTicks(quint32 stepMs = 1000, quint32 start = 0xFFFFF000u) : m_step(stepMs), m_now(start) {}
    quint32 tickCount() const override { return m_now += m_step; }

private:
    quint32 m_step;
    mutable quint32 m_now;
};

// While it lives, every text looked up for translation comes back in
// brackets: a text shown without them was not looked up when shown.
class BracketTranslation final : public QTranslator {
public:
    BracketTranslation() { QCoreApplication::installTranslator(this); }
    ~BracketTranslation() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

inline bool isBracketed(const QString &text)
{
    return text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
}

// Handles events until done() holds; false if it still does not after a
// generous limit (a hung test, not a timing check).
inline bool waitUntil(const std::function<bool()> &done, int limitMs = 20000)
{
    QDeadlineTimer deadline(limitMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTimer wake; // bounds the sleep; any event ends it sooner
        wake.start(50);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// A port on 127.0.0.1 where nothing listens.
inline quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
