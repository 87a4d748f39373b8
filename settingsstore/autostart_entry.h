// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/autostart.h"

#include <QString>

#include <optional>

namespace platform {
class Desktop;
}

namespace settings {

// Start with the desktop as this desktop has it: the per-user XDG autostart
// entry <configRoot>/autostart/horalux.desktop.
//
// Switching on writes an enabled entry that starts the program's start
// command, with TryExec naming it, so a desktop skips the entry once the
// program is gone. Switching off keeps an entry and the program it names but
// marks it Hidden=true; where there is no entry yet it writes none, and an
// entry naming no program goes. It counts as on when its program is this
// program's start command, whatever the case of either.
//
// The entry is flushed to disk before it is renamed into place, so a power
// cut leaves the old or the new one whole. A failure is logged, and told to
// the caller.
class AutostartEntry final : public platform::Autostart {
public:
    AutostartEntry(const QString &configRoot, const platform::Desktop &desktop);

    bool isEnabled() const override;
    bool setEnabled(bool on, QString *problem = nullptr) override;

    // The program the entry starts, exactly as written; empty when it is
    // switched off; nothing when there is no readable entry.
    std::optional<QString> startedProgram() const;
    QString entryFilePath() const { return m_entryFile; }

private:
    const platform::Desktop &m_desktop;
    QString m_autostartFolder;
    QString m_entryFile;
};

// The program an entry that starts this one names: the absolute path of its
// start command (its installed launcher, or the program file itself) as it is
// (no ".exe" is added here).
QString entryProgramFor(const QString &startCommand);

} // namespace settings
