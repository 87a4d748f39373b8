// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Translations that were expected and could not be loaded.
inline const QLoggingCategory &lcLanguage()
{
    static const QLoggingCategory category("horalux.language", QtWarningMsg);
    return category;
}
