// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/call_outs.h"
#include "update/program_version.h"
#include "update/signed_version_list.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <functional>

namespace platform {
class Http;
class MessageBoxes;
struct Services;
} // namespace platform

// What the check compares with and where it asks; the build's own by default.
struct UpdateCheckSetup {
    QString downloadServer;
    QString webSite;
    ProgramVersion version = ProgramVersion::current();
    QLocale locale = QLocale::system();
    // Whether a Yes downloads the update; otherwise the offer is of the home
    // page (a build that does not update itself, or has no key to check one).
    bool offersDownload = true;
    // With the publisher's keys, only a signed, valid and newest list offers anything.
    VersionListTrust listTrust;

    static UpdateCheckSetup fromBuild();
};

// The daily update check: at most once a day (never on the first day of
// use) it fetches the version list and offers a newer version once.
class UpdateChecker final : public UpdateCheck {
    Q_DECLARE_TR_FUNCTIONS(UpdateChecker)

public:
    // http: the main window's transfer control.
    UpdateChecker(const platform::Services &services, platform::MessageBoxes &messages, platform::Http &http,
                  UpdateCheckSetup setup = UpdateCheckSetup::fromBuild());

    void checkForUpdates() override;

    // The main window's `updating`: no check while an update downloads.
    std::function<bool()> isUpdating;
    // Called when the user takes up the offer, with the version offered.
    std::function<void(const QString &offeredVersion)> downloadUpdate;
    // Called instead when the offer is of the home page.
    std::function<void()> openHomePage;

    // The body of the last version list fetched.
    const QString &lastVersionList() const { return m_lastVersionList; }

private:
    bool dueToday();
    void noticeBeforeFirstAccess();

    const platform::Services &m_services;
    platform::MessageBoxes &m_messages;
    platform::Http &m_http;
    UpdateCheckSetup m_setup;
    QString m_lastVersionList;
};
