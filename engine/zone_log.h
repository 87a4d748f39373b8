// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Zones the clock cannot show as asked, such as a custom zone whose id this
// machine's time-zone database does not know.
inline const QLoggingCategory &lcZones()
{
    static const QLoggingCategory category("horalux.zones", QtWarningMsg);
    return category;
}
