#pragma once

#include "platform/network.h"

namespace platform {

// Online when NetworkManager says the Internet is reachable; where it does
// not run (or cannot tell), when an interface other than loopback is up and
// the machine has a default route.
class NetworkStatus final : public Network {
public:
    bool isOnline() override;

    // The fallback on its own, for machines without a network backend.
    static bool hasDefaultRouteOnUpInterface();

private:
    bool m_triedBackend = false;
};

} // namespace platform
