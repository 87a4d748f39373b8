// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace platform {

// Transfers that failed in ways the update's messages do not tell: answers
// refused, time-outs, TLS set-up.
inline const QLoggingCategory &lcHttp()
{
    static const QLoggingCategory category("horalux.update.http", QtWarningMsg);
    return category;
}

} // namespace platform
