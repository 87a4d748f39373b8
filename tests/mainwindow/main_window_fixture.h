// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/call_outs.h"
#include "mainwindow/main_window.h"

#include "fake_message_boxes.h"
#include "fake_platform.h"

#include <memory>

class CountingUpdateCheck final : public UpdateCheck {
public:
    void checkForUpdates() override { ++calls; }
    int calls = 0;
};

// A main window on the fake platform, its pictures from the build's program folder.
struct MainWindowFixture {
    FakePlatform fake;
    FakeMessageBoxes messages;
    CountingUpdateCheck updateCheck;
    std::unique_ptr<ClockWindow> window;

    MainWindowFixture()
    {
        fake.desktop.folder = QStringLiteral(HORALUX_PROGRAM_FOLDER);
        fake.settings.set(QStringLiteral("24hr"), QStringLiteral("False"));
    }
    ClockWindow &make()
    {
        window = std::make_unique<ClockWindow>(fake.services, messages, updateCheck);
        return *window;
    }
    ClockWindow &load()
    {
        make().start();
        return *window;
    }
};
