// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/settings_store.h"

#include <QString>

#include <memory>

namespace settings {

// The settings store of this desktop: application App lives in
// <configRoot>/<App>/<App>.ini (folder and file found without regard to case,
// created with the spelling given). Values are served from memory; a change
// of the file by anyone else is seen at the next call. Every save replaces
// the file atomically before it returns, so it survives the process being
// killed; the flush to disk follows within a fraction of a second.
//
// Damaged content costs only the lines it spoils. Before the first save
// rewrites a damaged file, the file is kept aside as <App>.ini.bad.
//
// A save that cannot be written (read-only folder, full disk) is lost for the
// file but kept in memory, so the running program stays consistent with what
// it was told; the next successful save writes it too. A change of the file
// on disk replaces the memory, including such unwritten values.
//
// Each such problem is logged once in the category horalux.settings.
//
// One thread at a time; no call throws.
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
    void flush() override;

    // Files larger than this are read up to their last whole line below the
    // limit and treated as damaged (kept aside whole before the next save).
    static constexpr qint64 kMaxReadBytes = 16 * 1024 * 1024;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace settings
