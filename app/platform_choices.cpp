// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform_choices.h"

#include <QString>

void PlatformChoices::preferX11UnderWayland()
{
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        choose("QT_QPA_PLATFORM", "xcb");
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
