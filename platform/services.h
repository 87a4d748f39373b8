// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

class Clock;
class TickCounter;
class EventPump;
class TimeZoneInfo;
class SettingsStore;
class Autostart;
class Desktop;
class Network;
class Processes;
class Sound;

// The outside world as the clock sees it. The program fills it with the real
// services, tests with fakes; nobody below the program's entry point builds a real one.
struct Services {
    Clock &clock;
    TickCounter &ticks;
    EventPump &events;
    TimeZoneInfo &timeZone;
    SettingsStore &settings;
    Autostart &autostart;
    Desktop &desktop;
    Network &network;
    Processes &processes;
    Sound &sound;
};

} // namespace platform
