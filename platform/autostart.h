// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// Whether the clock starts with the user's desktop session.
class Autostart {
public:
    virtual ~Autostart() = default;

    // True when the desktop starts this program, as it is now installed.
    virtual bool isEnabled() const = 0;
    // False, with why in words for the user, when the choice was not stored.
    virtual bool setEnabled(bool on, QString *problem = nullptr) = 0;
};

} // namespace platform
