// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/settings_schema.h"

namespace platform {
class SettingsStore;
}

// Reads and writes settings through the table. Nothing is cached: every call
// asks the store, so a value saved anywhere counts at the next read.
class TypedSettings {
public:
    using Setting = settings_schema::Setting;
    using SwitchState = settings_schema::SwitchState;

    explicit TypedSettings(platform::SettingsStore &store) : m_store(store) {}

    // A switch as stored (or its default): exactly "True", exactly "False", or neither.
    SwitchState switchState(const Setting &setting) const;
    bool isTrue(const Setting &setting) const { return switchState(setting) == SwitchState::True; }
    bool isFalse(const Setting &setting) const { return switchState(setting) == SwitchState::False; }
    // A flag (or its default) is set only by exactly "1".
    bool isSet(const Setting &setting) const;
    // The number the setting holds when its rule accepts it.
    std::optional<double> number(const Setting &setting) const;
    // The stored text, or the table's default when the key is missing.
    QString text(const Setting &setting) const;
    // For the one reader whose default is not fixed: the update check's today.
    QString text(const Setting &setting, const QString &defaultText) const;
    // The stored text with no default: empty when the key is missing.
    QString storedText(const Setting &setting) const;

    void save(const Setting &setting, const QString &text);
    void saveSwitch(const Setting &setting, bool on);
    void saveFlag(const Setting &setting, bool on);
    // Removing a missing key does nothing.
    void remove(const Setting &setting);

private:
    platform::SettingsStore &m_store;
};
