// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/typed_settings.h"

#include "platform/settings_store.h"

using settings_schema::App;

TypedSettings::SwitchState TypedSettings::switchState(const Setting &setting) const
{
    return settings_schema::switchState(text(setting));
}

bool TypedSettings::isSet(const Setting &setting) const
{
    return settings_schema::flagSet(text(setting));
}

std::optional<double> TypedSettings::number(const Setting &setting) const
{
    return settings_schema::numberIn(setting, text(setting));
}

QString TypedSettings::text(const Setting &setting) const
{
    return text(setting, setting.defaultText);
}

QString TypedSettings::text(const Setting &setting, const QString &defaultText) const
{
    return m_store.GetSetting(App, setting.section, setting.key, defaultText);
}

QString TypedSettings::storedText(const Setting &setting) const
{
    return text(setting, QString());
}

void TypedSettings::save(const Setting &setting, const QString &text)
{
    m_store.SaveSetting(App, setting.section, setting.key, text);
}

void TypedSettings::saveSwitch(const Setting &setting, bool on)
{
    save(setting, settings_schema::switchText(on));
}

void TypedSettings::saveFlag(const Setting &setting, bool on)
{
    save(setting, settings_schema::flagText(on));
}

void TypedSettings::remove(const Setting &setting)
{
    m_store.DeleteSetting(App, setting.section, setting.key);
}
