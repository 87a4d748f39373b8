// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/network_status.h"

#include <QFile>

#include <ifaddrs.h>
#include <net/if.h>

namespace platform {

QStringList NetworkStatus::interfacesWithDefaultRoute(const QByteArray &routeTable)
{
    QStringList names;
    const QList<QByteArray> lines = routeTable.split('\n');
    // Iface Destination Gateway Flags ...; destination 0 is the default route.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
        if (fields.size() >= 4 && fields.at(1) == "00000000" && !names.contains(QString::fromLatin1(fields.at(0))))
            names << QString::fromLatin1(fields.at(0));
    }
    return names;
}

bool NetworkStatus::isOnline()
{
    QFile routes(QStringLiteral("/proc/net/route"));
    if (!routes.open(QIODevice::ReadOnly))
        return false;
    const QStringList routed = interfacesWithDefaultRoute(routes.readAll());
    if (routed.isEmpty())
        return false;

    ifaddrs *interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return false;
    bool online = false;
    for (const ifaddrs *i = interfaces; i && !online; i = i->ifa_next) {
        const unsigned flags = i->ifa_flags;
        online = (flags & IFF_UP) && (flags & IFF_RUNNING) && !(flags & IFF_LOOPBACK)
            && routed.contains(QString::fromLocal8Bit(i->ifa_name));
    }
    freeifaddrs(interfaces);
    return online;
}

} // namespace platform
