#include "platform/real/network_status.h"

#include <QFile>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QSet>

namespace platform {

namespace {

// The kernel's routing table: interface names that carry a default route.
QSet<QString> interfacesWithDefaultRoute()
{
    QSet<QString> names;
    QFile routes(QStringLiteral("/proc/net/route"));
    if (!routes.open(QIODevice::ReadOnly | QIODevice::Text))
        return names;
    routes.readLine(); // header
    while (!routes.atEnd()) {
        const QList<QByteArray> fields = routes.readLine().simplified().split(' ');
        // Iface Destination Gateway Flags ...; destination 0 is the default route.
        if (fields.size() >= 4 && fields.at(1) == "00000000")
            names.insert(QString::fromLatin1(fields.at(0)));
    }
    return names;
}

} // namespace

bool NetworkStatus::hasDefaultRouteOnUpInterface()
{
    const QSet<QString> routed = interfacesWithDefaultRoute();
    for (const QNetworkInterface &iface : QNetworkInterface::allInterfaces()) {
        const auto flags = iface.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) || !flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        if (routed.contains(iface.name()))
            return true;
    }
    return false;
}

bool NetworkStatus::isOnline()
{
    if (!m_triedBackend) {
        m_triedBackend = true;
        // NetworkManager's backend speaks D-Bus, which the desktop has loaded
        // anyway; the GLib one would pull in GIO for the rest of the run, so
        // without NetworkManager the route table answers instead.
        QNetworkInformation::loadBackendByName(QStringLiteral("networkmanager"));
    }
    if (const QNetworkInformation *info = QNetworkInformation::instance()) {
        switch (info->reachability()) {
        case QNetworkInformation::Reachability::Online:
            return true;
        case QNetworkInformation::Reachability::Disconnected:
        case QNetworkInformation::Reachability::Local:
        case QNetworkInformation::Reachability::Site:
            return false;
        case QNetworkInformation::Reachability::Unknown:
            break;
        }
    }
    return hasDefaultRouteOnUpInterface();
}

} // namespace platform
