// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/program_version.h"
#include "update/update_policy.h"
#include "update/verified_program.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

struct ClockState;
class DownloadDialog;
class DownloadedProgramFile;
namespace platform {
class Http;
class MessageBoxes;
struct Services;
class SignatureCheck;
} // namespace platform

// Where and under which rules the update program is fetched; the build's own by default.
struct UpdateInstallSetup {
    QString downloadServer; // scheme, host and optional port
    QString cacheRoot;      // $XDG_CACHE_HOME; the program is saved in its Horalux folder
    UpdatePolicy policy;
    ProgramVersion version = ProgramVersion::current(); // a program must be signed as newer

    static UpdateInstallSetup fromBuild(const QString &programFolder);
};

// Fetches the update program and its signed statement, checks a sealed copy
// of it, starts that copy and ends the clock so that it can be replaced. The download dialog is made on first use
// and kept. Where the build does not update itself, it offers the home page.
class UpdateInstall {
    Q_DECLARE_TR_FUNCTIONS(UpdateInstall)

public:
    // http: the main window's transfer control (asked whether it is busy, and
    // fetches the signature); dialogHttp: the download dialog's.
    UpdateInstall(const platform::Services &services, platform::MessageBoxes &messages, ClockState &state,
                  platform::Http &http, platform::Http &dialogHttp, const platform::SignatureCheck &signatures,
                  UpdateInstallSetup setup);
    ~UpdateInstall();
    UpdateInstall(const UpdateInstall &) = delete;
    UpdateInstall &operator=(const UpdateInstall &) = delete;

    // Does not return when the update program was fetched and verified: the
    // process ends. offeredVersion: the version the check offered, which the
    // program must be signed as; empty from the settings' link, where a
    // signed version newer than this one and no older than the version
    // list's entry (or the newest signed list's seen) is taken.
    void downloadUpdate(const QString &offeredVersion = QString());

    // Closes the settings dialog when it is open; nothing while unset.
    std::function<void()> closeSettingsDialog;
    // Opens the product's home page; nothing while unset.
    std::function<void()> openHomePage;

    // Where the update program is saved while it downloads: "hupdate" in the
    // private cache folder. Empty when that folder cannot be had.
    QString localFile() const;
    // Null until the first download.
    DownloadDialog *downloadForm() const { return m_form.get(); }

    static QString untrustedText();
    static QString packageManagedText();

private:
    DownloadDialog &form();
    void offerHomePage();
    // Downloads remote into a file made new; false when it is not whole.
    bool download(const QString &remote, DownloadedProgramFile &file);
    // The version list's entry, the least version the settings' link takes; empty when there is none.
    QString listedVersion();
    // The saved program's sealed copy, when it meets its signed statement.
    VerifiedProgram::Outcome verified(int fd, const QString &remote, const QString &offeredVersion,
                                      const QString &leastVersion);

    const platform::Services &m_services;
    platform::MessageBoxes &m_messages;
    ClockState &m_state;
    platform::Http &m_http;
    platform::Http &m_dialogHttp;
    const platform::SignatureCheck &m_signatures;
    UpdateInstallSetup m_setup;
    std::unique_ptr<DownloadDialog> m_form;
};
