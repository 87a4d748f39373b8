// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

class Network {
public:
    virtual ~Network() = default;
    // Whether the machine is online now.
    virtual bool isOnline() = 0;
};

} // namespace platform
