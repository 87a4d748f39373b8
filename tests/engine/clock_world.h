// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/call_outs.h"
#include "engine/clock_tick.h"
#include "engine/rotation.h"
#include "engine/zone_catalogue.h"
#include "engine/zone_commands.h"

#include "fake_platform.h"
#include "fake_window_pieces.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

class FakeUpdateCheck final : public UpdateCheck {
public:
    void checkForUpdates() override
    {
        ++calls;
        if (during)
            during();
    }
    int calls = 0;
    std::function<void()> during;
};

// The clock's engine on virtual time, wired the way the main window wires it.
struct ClockWorld {
    FakePlatform fake;
    ChangeLog log {fake.loop};
    FakeLabel zone {QStringLiteral("zoneLabel"), log, 255, QStringLiteral("Waiting for data")};
    FakeLabel time {QStringLiteral("timeLabel"), log, 525, QStringLiteral("12:12:12 pm")};
    FakeLabel local {QStringLiteral("dateLabel"), log, 255, QStringLiteral("Local time: 12:12:12")};
    FakePicture background {QStringLiteral("clockFace"), log};
    FakeTimer clockTimer {fake.loop};
    FakeTimer zoneTimer {fake.loop};
    FakeTimer typingTimer {fake.loop};
    FakeTimer rollTimer {fake.loop};
    FakeUpdateCheck updateCheck;
    ClockState state;
    ClockTick tick {state, fake.services, {zone, time, local}, background, rollTimer, QLocale(QLocale::English)};
    Rotation rotation {state, fake.services, zone, zoneTimer, typingTimer, updateCheck};
    ZoneCommands commands {fake.services, rotation, zoneTimer};

    ClockWorld()
    {
        fake.clock.setStart(QDate(2026, 12, 7), QTime(12, 0, 0));
        fake.settings.set(QStringLiteral("24hr"), QStringLiteral("True"));
        // The rotation's cases reckon with the catalogue's fixed hours.
        fake.settings.set(QStringLiteral("exact"), QStringLiteral("False"));
        clockTimer.setHandler([this] { tick.onClockTimer(); });
        zoneTimer.setHandler([this] { rotation.onZoneTimer(); });
    }

    // What start-up does for the engine: first zone, then both timers.
    void start()
    {
        rotation.showNextZone();
        typeOut();
        clockTimer.setInterval(1000);
        zoneTimer.setInterval(rotation.scanIntervalMs());
    }

    // Lets the name under way be typed to its end.
    void typeOut()
    {
        while (rotation.isTyping())
            fake.loop.advance(Rotation::TypingStepMs);
    }

    // Lets the roll under way run to its end.
    void rollOut()
    {
        while (tick.isRolling())
            fake.loop.advance(ClockTick::RollStepMs);
    }

    // The preset of a key. An unknown key fails the test that asked, by an
    // exception the test runner catches, instead of a null that would crash
    // the whole program.
    static const PresetZone &preset(const char *key)
    {
        const PresetZone *zone = zone_catalogue::presetByKey(QLatin1String(key));
        if (!zone) {
            ADD_FAILURE() << "no preset with the key " << key;
            throw std::invalid_argument(key);
        }
        return *zone;
    }

    void enableOnly(std::initializer_list<const char *> keys)
    {
        for (const PresetZone &z : zone_catalogue::presets())
            fake.settings.set(QLatin1String(z.key), QStringLiteral("0"));
        for (const char *key : keys)
            fake.settings.set(QLatin1String(key), QStringLiteral("1"));
    }

    // The zone names as fully typed, in order.
    QStringList typedNames() const
    {
        QStringList names;
        for (const QString &text : log.values(QStringLiteral("zoneLabel"), QStringLiteral("text"))) {
            if (!text.isEmpty() && zone_catalogue_name(text))
                names << text;
        }
        return names;
    }

private:
    static bool zone_catalogue_name(const QString &text)
    {
        for (const PresetZone &z : zone_catalogue::presets()) {
            if (text == QLatin1String(z.name))
                return true;
        }
        return text == QLatin1String("Kathmandu") || text == QLatin1String("Newfoundland");
    }
};
