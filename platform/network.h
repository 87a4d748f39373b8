#pragma once

namespace platform {

class Network {
public:
    virtual ~Network() = default;
    // Whether the machine is online now.
    virtual bool isOnline() = 0;
};

} // namespace platform
