// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace platform {

// Failures of this desktop's services that the user is not shown: sound,
// the browser and help viewer, started programs, the single-instance lock,
// the transfer control's module. Defined in the header because the real
// services are built into several libraries.
inline const QLoggingCategory &lcDesktop()
{
    static const QLoggingCategory category("horalux.desktop", QtWarningMsg);
    return category;
}

} // namespace platform
