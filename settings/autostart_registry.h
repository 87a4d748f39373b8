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
// Setting a program path writes an enabled entry that starts it; setting the
// empty text keeps the entry but switches it off (Hidden=true, empty Exec),
// as the Run value is emptied, never deleted. Reading gives the program path
// exactly as set, "" for a switched-off entry, and the default when there is
// no readable entry. Failures are silent.
class AutostartRegistry final : public platform::Registry {
public:
    explicit AutostartRegistry(const QString &configRoot);

    QString GetRegString(platform::RegistryRoot root, const QString &path, const QString &valueName,
                         const QString &defaultValue = QString()) override;
    void SetRegString(platform::RegistryRoot root, const QString &path, const QString &valueName,
                      const QString &data) override;

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
