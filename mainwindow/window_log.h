// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Failures of the main window that the user is not shown (a picture that
// cannot be loaded).
inline const QLoggingCategory &lcWindow()
{
    static const QLoggingCategory category("horalux.window", QtWarningMsg);
    return category;
}
