// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/typed_number.h"

#include <QLocale>

#include <cmath>

std::optional<double> parseNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> parseTypedNumber(const QString &text)
{
    if (const std::optional<double> dotted = parseNumber(text, QLocale::c()))
        return dotted;
    return parseNumber(text, QLocale::system());
}
