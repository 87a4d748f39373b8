// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/settings_store.h"

#include <QCheckBox>
#include <QString>

// The settings dialog's view of the store: the section its values live in,
// switches written as "True" or "False".
class DialogStore {
public:
    explicit DialogStore(platform::SettingsStore &store) : m_store(store) {}

    QString get(const QString &key, const QString &defaultValue) const
    {
        return m_store.GetSetting(QStringLiteral("Horalux"), QStringLiteral("data"), key, defaultValue);
    }
    void save(const QString &key, const QString &value)
    {
        m_store.SaveSetting(QStringLiteral("Horalux"), QStringLiteral("data"), key, value);
    }
    void remove(const QString &key) { m_store.DeleteSetting(QStringLiteral("Horalux"), QStringLiteral("data"), key); }
    // A switch reads as on only when it holds exactly "True".
    bool isOn(const QString &key, bool onByDefault) const
    {
        return get(key, onByDefault ? QStringLiteral("True") : QStringLiteral("False")) == QStringLiteral("True");
    }
    void saveSwitch(const QString &key, const QCheckBox *box)
    {
        save(key, box->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
    }

private:
    platform::SettingsStore &m_store;
};
