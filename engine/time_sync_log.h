// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Failures of starting the time-synchronisation tool, which the clock never
// reports to the user.
inline const QLoggingCategory &lcTimeSync()
{
    static const QLoggingCategory category("horalux.timesync", QtWarningMsg);
    return category;
}
