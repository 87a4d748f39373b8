// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// Per-user store of text values addressed by (application, section, key).
// Names match without regard to case. No operation reports an error: a failed
// read gives the default, a failed write is lost.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual QString GetSetting(const QString &app, const QString &section, const QString &key,
                               const QString &defaultValue = QString()) = 0;
    virtual void SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value) = 0;
    virtual void DeleteSetting(const QString &app, const QString &section, const QString &key) = 0;
    // Makes every save so far durable on disk now; for the moment before the
    // process ends at once, when a deferred flush would be lost.
    virtual void flush() {}
};

} // namespace platform
