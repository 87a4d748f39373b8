// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/settings_schema.h"

#include "engine/typed_number.h"

#include <QLocale>

#include <cmath>

namespace settings_schema {

namespace {
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");
const QString kSet = QStringLiteral("1");
const QString kClear = QStringLiteral("0");
} // namespace

const QString &switchText(bool on)
{
    return on ? kTrue : kFalse;
}

const QString &flagText(bool on)
{
    return on ? kSet : kClear;
}

SwitchState switchState(const QString &text)
{
    if (text == kTrue)
        return SwitchState::True;
    if (text == kFalse)
        return SwitchState::False;
    return SwitchState::Neither;
}

bool flagSet(const QString &text)
{
    return text == kSet;
}

std::optional<double> numberIn(const Setting &setting, const QString &text)
{
    const NumberRule &rule = setting.number;
    std::optional<double> value = rule.typed ? parseTypedNumber(text) : parseNumber(text, QLocale::c());
    if (!value)
        return std::nullopt;
    if (rule.wholeUnits)
        *value = std::floor(*value);
    if (*value < rule.lowest || *value > rule.highest)
        return std::nullopt;
    return value;
}

double numberOrDefault(const Setting &setting, const QString &text)
{
    if (const std::optional<double> value = numberIn(setting, text))
        return *value;
    return defaultNumber(setting);
}

double defaultNumber(const Setting &setting)
{
    return numberIn(setting, setting.defaultText).value_or(0);
}

} // namespace settings_schema

namespace setting {

Setting zoneEnabled(const QString &zoneKey)
{
    return {section::Data, zoneKey, settings_schema::flagText(true), Kind::Flag};
}

Setting customName(int customNumber)
{
    return {section::Data, QStringLiteral("tz%1").arg(customNumber), QString(), Kind::Text};
}

Setting customOffset(int customNumber)
{
    return {section::Data, QStringLiteral("diff%1").arg(customNumber), QStringLiteral("0"), Kind::Text};
}

Setting customZoneId(int customNumber)
{
    return {section::Data, QStringLiteral("zone%1").arg(customNumber), QString(), Kind::Text};
}

Setting versionOffered(const QString &version)
{
    return {section::Version, version, settings_schema::flagText(false), Kind::Flag};
}

std::span<const Setting *const> fixedSettings()
{
    static const Setting *const kFixed[] = {
        &Scan,
        &TwentyFourHour,
        &DaylightSaving,
        &Graphic,
        &Sync,
        &OnTop,
        &Exact,
        &FormX,
        &FormY,
        &LastUpdateCheck,
        &InternetNoticeShown,
        &VersionListDate,
        &VersionListEntry,
    };
    return kFixed;
}

} // namespace setting
