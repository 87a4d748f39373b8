// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace settings {

// The delay box's text as a number, read with the given locale's rules. What
// counts: decimal digits with an optional sign, the locale's decimal
// separator, an optional exponent and surrounding spaces ("20", " 7,5 " in a
// German locale, "+6", "5e1"). Group separators, hexadecimal, NaN and
// infinity do not count.
std::optional<double> delayNumber(const QString &text, const QLocale &locale);

// Whether Apply may store the text as the delay: a number above 4 and below 61.
bool delayAccepted(const QString &text, const QLocale &locale);

// The delay box after a press of the spinner's up or down arrow: one more or
// one less, wrapping around from above 60 to 5 and from below 5 to 60. Text
// that is not a number becomes "5" (up) or "60" (down).
QString delayAfterUpArrow(const QString &text, const QLocale &locale);
QString delayAfterDownArrow(const QString &text, const QLocale &locale);

} // namespace settings
