// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

// What the settings dialog changes at once in the clock's main window.
class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;

    // Applies the stored always-on-top switch and puts the window back at its
    // stored place and size.
    virtual void applyOnTopAndPlace() = 0;
    // The "Show Time Zone" entry of custom zone 1..zone_catalogue::CustomCount.
    virtual void setCustomMenuEntryVisible(int number, bool visible) = 0;
    virtual void setCustomMenuEntryCaption(int number, const QString &caption) = 0;
    // Loads a picture file into the window's background at once.
    virtual void loadBackgroundPicture(const QString &path) = 0;
    // Where the window stands on the screen, as the window system says.
    virtual QRect placeOnScreen() const = 0;
};
