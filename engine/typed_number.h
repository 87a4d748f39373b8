// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QLocale;

// The one reading of decimal text in the clock: blanks around the number are
// ignored, and what is no finite number gives nothing. The locale decides the
// decimal separator and, through its number options, whether group
// separators count.
std::optional<double> parseNumber(const QString &text, const QLocale &locale);

// A number a person typed or a settings file holds: the program's own dotted
// form first, then the user's own decimal separator.
std::optional<double> parseTypedNumber(const QString &text);
