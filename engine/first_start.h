// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace platform {
class SettingsStore;
}

namespace settings {

// Whether a QLocale time format shows an am/pm designator ("a", "A", "ap",
// "AP"), looking past text quoted with '...'.
bool timeFormatHasAmPm(QStringView format);

// The `24hr` value a first start chooses: "True" (24-hour clock) when the
// locale's short time format has no am/pm part, else "False".
QString firstStart24hrValue(const QLocale &locale);

// On the very first start `24hr` is empty; it is then set once from the
// locale. A stored value, whatever it is, stays.
void settleFirstStart24hr(platform::SettingsStore &store, const QLocale &locale);

} // namespace settings
