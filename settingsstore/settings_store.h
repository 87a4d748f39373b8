// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/settings_store.h"

#include <QString>

#include <memory>

namespace settings {

// The settings store of this desktop: application App lives in
// <configRoot>/<App>/<App>.ini (folder and file found without regard to case,
// created with the spelling given). Values are served from memory; a change
// of the file by anyone else is seen at the next call, and changes of ours
// not yet on disk are kept on top of it.
//
// A save changes memory only, so a window drag stays cheap; a thread of the
// store writes the newest version within about half a second, a burst of
// saves as one write. Each write makes a new file beside the old one, flushes
// it to disk and only then renames it over the old one, so a power cut or a
// kill at any moment leaves a whole version, old or newer, and costs at most
// the saves of the last half second. flush() writes at once and says whether
// it worked: for what the user asked for, and before the process ends. A
// write counts only once the rename is flushed to disk with its folder.
//
// Damaged content costs only the lines it spoils. Before the first write
// replaces a damaged file, the file is kept aside as <App>.ini.bad.
//
// A write that fails (read-only folder, full disk) keeps the changes in
// memory, so the running program stays consistent with what it was told; the
// next save or flush tries again.
//
// Each such problem is logged once in the category horalux.settings.
//
// Calls from one thread at a time; no call throws. Dropping the store writes
// what is still waiting.
class IniSettingsStore final : public platform::SettingsStore {
public:
    explicit IniSettingsStore(const QString &configRoot);
    ~IniSettingsStore() override;

    IniSettingsStore(const IniSettingsStore &) = delete;
    IniSettingsStore &operator=(const IniSettingsStore &) = delete;

    QString GetSetting(const QString &app, const QString &section, const QString &key,
                       const QString &defaultValue = QString()) override;
    void SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value) override;
    void DeleteSetting(const QString &app, const QString &section, const QString &key) override;
    bool flush(QString *problem = nullptr) override;

    // Files larger than this are read up to their last whole line below the
    // limit and treated as damaged (kept aside whole before the next save).
    static constexpr qint64 kMaxReadBytes = 16 * 1024 * 1024;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace settings
