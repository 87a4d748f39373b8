// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/registry.h"

#include <QString>

namespace settings {

// The Windows Run entry "Horalux" as this desktop has it: the per-user XDG
// autostart entry <configRoot>/autostart/horalux.desktop. Only that one
// value is mapped (path and value name compared without regard to case, any
// root); any other value reads as the default and is never written.
//
// Setting a program path writes an enabled entry that starts it, with
// TryExec naming it, so a desktop skips the entry once the program is gone.
// Setting the empty text switches an entry off (Hidden=true), keeping the
// program it names, as the Run value is emptied, never deleted; where there
// is no entry yet it writes none, and an entry naming no program goes.
// Reading gives the program path exactly as set, "" for a switched-off entry,
// and the default when there is no readable entry.
//
// The entry is flushed to disk before it is renamed into place, so a power
// cut leaves the old or the new one whole. A failure is logged, and told to
// the caller.
class AutostartRegistry final : public platform::Registry {
public:
    explicit AutostartRegistry(const QString &configRoot);

    QString GetRegString(platform::RegistryRoot root, const QString &path, const QString &valueName,
                         const QString &defaultValue = QString()) override;
    bool SetRegString(platform::RegistryRoot root, const QString &path, const QString &valueName, const QString &data,
                      QString *problem = nullptr) override;

    QString entryFilePath() const { return m_entryFile; }

private:
    QString m_autostartFolder;
    QString m_entryFile;
};

// The Run data that means "starts with the desktop": the absolute path of
// what starts the program (its installed launcher, or the program file
// itself) as it is (no ".exe" is added here). The settings dialog compares
// it, lower-cased, with the stored data lower-cased.
QString expectedAutostartData(const QString &startCommand);

} // namespace settings
