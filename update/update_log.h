// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Failures of the update check and download that the user is not shown.
// QT_LOGGING_RULES="horalux.update.warning=false" silences them.
inline const QLoggingCategory &lcUpdate()
{
    static const QLoggingCategory category("horalux.update", QtWarningMsg);
    return category;
}
