// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/network.h"

#include <QByteArray>
#include <QStringList>

namespace platform {

// Online when an interface other than loopback is up and running and carries
// the machine's default route: the machine has a way out, which is what the
// clock asks before it starts its time tool or the day's update check.
// Deliberately without QtNetwork, whose reachability backends would keep GIO
// or D-Bus clients loaded in the clock for its whole run.
class NetworkStatus final : public Network {
public:
    bool isOnline() override;

    // Interface names that carry a default route, from the kernel's table.
    static QStringList interfacesWithDefaultRoute(const QByteArray &routeTable);
};

} // namespace platform
