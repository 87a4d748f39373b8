// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scan_delay.h"

#include "engine/settings_schema.h"

namespace scan_delay {

int intervalMs(const QString &scanText)
{
    return int(settings_schema::numberOrDefault(setting::Scan, scanText)) * 1000;
}

} // namespace scan_delay
