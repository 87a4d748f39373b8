// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <vector>

// Settings that Qt's platform plugin reads once, while QApplication starts,
// chosen by the clock for itself. Each is set only where the user left it
// unset or empty, and taken back once QApplication has read it: programs the clock
// starts (a browser, the update, cmdtime) must run as the user has them.
class PlatformChoices {
public:
    // A Wayland client cannot place its own window, and the clock lives by
    // its stored place: X11 through XWayland.
    void preferX11UnderWayland();
    // The window is small and repaints a row at a time. Through shared
    // memory, Qt waits for the X server (a round trip) before painting over
    // what it sent last; a plain upload of the few changed pixels costs less
    // and never waits.
    void preferPlainImageUpload();
    // When the user asked for Wayland alone (-platform, else QT_QPA_PLATFORM;
    // Qt tries each platform named in turn) and no Wayland plugin lies where
    // Qt looks, Qt would abort: says instead, in one line, which package
    // brings it, and returns true.
    static bool refuseMissingWaylandPlugin(int argc, const char *const *argv);
    // Unsets what was chosen here; what the user set stays.
    void takeBack();

private:
    void choose(const char *name, const QByteArray &value);

    struct Chosen {
        QByteArray name;
        bool wasSetEmpty;
    };
    std::vector<Chosen> m_chosen;
};
