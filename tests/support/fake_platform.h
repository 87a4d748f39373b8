// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fake_event_loop.h"
#include "qt_printers.h"

#include "platform/autostart.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/sound.h"
#include "platform/tick_counter.h"
#include "platform/time_zone_info.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>

#include <optional>

// Local wall time that moves with the loop's virtual time.
class FakeClock final : public platform::Clock {
public:
    explicit FakeClock(const FakeEventLoop &loop) : m_loop(loop) {}
    // Sets the local wall time that virtual time 0 stands for.
    void setStart(const QDate &date, const QTime &time) { m_start = QDateTime(date, time, Qt::UTC); }
    // Sets the wall time now, whatever the virtual time.
    void setNow(const QDate &date, const QTime &time);

    // The machine's own offset from UTC, which only the exact clock looks at.
    void setLocalOffsetSeconds(int seconds) { m_localOffset = seconds; }

    QDateTime localWallTime() const override;
    QDateTime utcNow() const override;
    double secondsSinceMidnight() const override;

private:
    QDateTime exactNow() const { return m_start.addMSecs(m_loop.now()); }
    const FakeEventLoop &m_loop;
    QDateTime m_start {QDate(2026, 12, 7), QTime(12, 0), Qt::UTC};
    int m_localOffset = 0;
};

class FakeTickCounter final : public platform::TickCounter {
public:
    explicit FakeTickCounter(const FakeEventLoop &loop) : m_loop(loop) {}
    // What the counter reads at virtual time 0; set near 2^32 to test the wrap.
    void setStartTick(quint32 tick) { m_startTick = tick; }
    quint32 tickCount() const override { return m_startTick + quint32(m_loop.now()); }

private:
    const FakeEventLoop &m_loop;
    quint32 m_startTick = 1000;
};

class FakeTimeZoneInfo final : public platform::TimeZoneInfo {
public:
    // Empty: the machine's zone cannot be read.
    std::optional<platform::UtcOffset> offset = platform::UtcOffset {};
    std::optional<platform::UtcOffset> utcOffset() const override { return offset; }
};

// An in-memory settings store with the real store's case rules: a key keeps
// the spelling it was first written with, as in the file.
class MemorySettingsStore final : public platform::SettingsStore {
public:
    QString GetSetting(const QString &app, const QString &section, const QString &key,
                       const QString &defaultValue = QString()) override;
    void SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value) override;
    void DeleteSetting(const QString &app, const QString &section, const QString &key) override;
    bool flush(QString *problem = nullptr) override;
    int flushes = 0;
    // While set, every flush fails with it.
    QString flushProblem;

    // Shortcuts for the clock's own section.
    void set(const QString &key, const QString &value);
    bool has(const QString &key) const;
    QString value(const QString &key) const;
    int readCount() const { return m_reads; }
    // The clock's keys as the file would spell them.
    QStringList keysAsWritten() const;

private:
    static QString id(const QString &app, const QString &section, const QString &key);
    QHash<QString, QString> m_values;
    QHash<QString, QString> m_spellings; // by id
    int m_reads = 0;
};

class FakeAutostart final : public platform::Autostart {
public:
    bool isEnabled() const override { return enabled.value_or(false); }
    bool setEnabled(bool on, QString *problem = nullptr) override;
    // What was stored last; nothing until something is.
    std::optional<bool> enabled;
    int stores = 0;
    // While set, every store fails with it and changes nothing.
    QString failure;
};

class FakeDesktop final : public platform::Desktop {
public:
    QString folder = QStringLiteral("/opt/horalux");
    QString programFolder() const override { return folder; }
    QString programFile() const override { return folder + QStringLiteral("/horalux"); }
    // Set to an installed launcher's path; empty, the program starts itself.
    QString launcher;
    QString startCommand() const override { return launcher.isEmpty() ? programFile() : launcher; }
};

class FakeNetwork final : public platform::Network {
public:
    bool online = true;
    int asked = 0;
    bool isOnline() override
    {
        ++asked;
        return online;
    }
};

struct StartedProgram {
    qint64 at;
    QString program;
    QStringList arguments;
    platform::Processes::Show show;
};

class FakeProcesses final : public platform::Processes {
public:
    explicit FakeProcesses(const FakeEventLoop &loop) : m_loop(loop) {}
    bool start(const QString &program, const QStringList &arguments, Show show) override;
    QString startError() const override { return startSucceeds ? QString() : startFailure; }
    bool previousInstanceRunning() override { return anotherInstance; }
    void onActivationRequest(std::function<void(const QByteArray &)> handler) override
    {
        activationRequest = std::move(handler);
    }
    [[noreturn]] void endNow(int exitCode) override;

    bool startSucceeds = true;
    QString startFailure = QStringLiteral("execv: No such file or directory");
    bool anotherInstance = false;
    // What a later start's knock would run.
    std::function<void(const QByteArray &token)> activationRequest;
    std::vector<StartedProgram> started;

private:
    const FakeEventLoop &m_loop;
};

// Thrown by FakeProcesses::endNow, so a test can see the process end.
struct ProcessEnded {
    int exitCode;
};

class FakeSound final : public platform::Sound {
public:
    explicit FakeSound(const FakeEventLoop &loop) : m_loop(loop) {}
    void playFile(const QString &fileName) override { played.push_back({m_loop.now(), fileName}); }
    struct Played {
        qint64 at;
        QString file;
    };
    std::vector<Played> played;

private:
    const FakeEventLoop &m_loop;
};

// Every fake, wired together on one virtual time.
struct FakePlatform {
    FakeEventLoop loop;
    FakeClock clock {loop};
    FakeTickCounter ticks {loop};
    FakeTimeZoneInfo timeZone;
    MemorySettingsStore settings;
    FakeAutostart autostart;
    FakeDesktop desktop;
    FakeNetwork network;
    FakeProcesses processes {loop};
    FakeSound sound {loop};
    platform::Services services {clock, ticks, loop, timeZone, settings, autostart, desktop, network, processes, sound};
};
