// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// Per-user store of text values addressed by (application, section, key).
// Names match without regard to case. A failed read gives the default; a save
// is seen by the next read at once and reaches the disk shortly after, or at
// flush(), which alone says whether it did.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual QString GetSetting(const QString &app, const QString &section, const QString &key,
                               const QString &defaultValue = QString()) = 0;
    virtual void SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value) = 0;
    virtual void DeleteSetting(const QString &app, const QString &section, const QString &key) = 0;
    // Writes every save so far to disk now and waits until it is there: for a
    // change the user asked for, and before the process ends at once. False,
    // with why in words for the user (the file and the cause), when it failed.
    virtual bool flush(QString *problem = nullptr)
    {
        Q_UNUSED(problem);
        return true;
    }
};

} // namespace platform
