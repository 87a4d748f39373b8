// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The daily update check, run by the rotation once the machine is online. It
// may take long and handles window events while it runs.
class UpdateCheck {
public:
    virtual ~UpdateCheck() = default;
    virtual void checkForUpdates() = 0;
};
