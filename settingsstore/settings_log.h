// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace settings {

// Failures of the settings store and the start-with-desktop entry that the
// user is not shown.
inline const QLoggingCategory &lcSettings()
{
    static const QLoggingCategory category("horalux.settings", QtWarningMsg);
    return category;
}

} // namespace settings
