// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_dialog_delay.h"

#include "engine/typed_number.h"

namespace settings {

namespace {

QLocale strictLocale(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QString asText(double number, const QLocale &locale)
{
    return strictLocale(locale).toString(number, 'g', QLocale::FloatingPointShortest);
}

} // namespace

std::optional<double> delayNumber(const QString &text, const QLocale &locale)
{
    return parseNumber(text, strictLocale(locale));
}

bool delayAccepted(const QString &text, const QLocale &locale)
{
    const std::optional<double> number = delayNumber(text, locale);
    return number && *number > 4 && *number < 61;
}

// Each arrow first steps the number, then wraps; a text that is no number
// skips the step and, failing the wrap test as well, takes the wrap value.
QString delayAfterUpArrow(const QString &text, const QLocale &locale)
{
    const std::optional<double> number = delayNumber(text, locale);
    if (!number || *number + 1 >= 61)
        return QStringLiteral("5");
    return asText(*number + 1, locale);
}

QString delayAfterDownArrow(const QString &text, const QLocale &locale)
{
    const std::optional<double> number = delayNumber(text, locale);
    if (!number || *number - 1 <= 4)
        return QStringLiteral("60");
    return asText(*number - 1, locale);
}

} // namespace settings
