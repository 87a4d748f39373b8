// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform_choices.h"

#include "app/command_line.h"

#include <QDir>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

bool onlyWaylandAskedFor(int argc, const char *const *argv)
{
    const QStringList asked = QString::fromLocal8Bit(askedPlatform(argc, argv).c_str()).split(u';', Qt::SkipEmptyParts);
    for (const QString &platform : asked) {
        // A platform's own options follow a colon: "wayland:option".
        if (!platform.section(u':', 0, 0).startsWith(QLatin1String("wayland")))
            return false;
    }
    return !asked.isEmpty();
}

bool waylandPluginInstalled()
{
    QStringList folders {qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")};
    for (const QString &root : qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders << root + QStringLiteral("/platforms");
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    for (const QString &folder : folders) {
        if (!folder.isEmpty() && !QDir(folder).entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

} // namespace

void PlatformChoices::preferX11UnderWayland()
{
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        choose("QT_QPA_PLATFORM", "xcb");
}

bool PlatformChoices::refuseMissingWaylandPlugin(int argc, const char *const *argv)
{
    if (!onlyWaylandAskedFor(argc, argv) || waylandPluginInstalled())
        return false;
    std::fputs("horalux: Wayland was asked for, but Qt's Wayland plugin is not installed: "
               "install the package qt6-wayland, or leave the platform unset to run through XWayland\n",
               stderr);
    return true;
}

void PlatformChoices::preferPlainImageUpload()
{
    choose("QT_XCB_NO_MITSHM", "1");
}

void PlatformChoices::choose(const char *name, const QByteArray &value)
{
    if (!qEnvironmentVariableIsEmpty(name))
        return; // the user's choice
    m_chosen.push_back({name, qEnvironmentVariableIsSet(name)});
    qputenv(name, value);
}

void PlatformChoices::takeBack()
{
    for (const Chosen &chosen : m_chosen) {
        if (chosen.wasSetEmpty)
            qputenv(chosen.name.constData(), QByteArray());
        else
            qunsetenv(chosen.name.constData());
    }
    m_chosen.clear();
}
