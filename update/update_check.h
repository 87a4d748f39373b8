// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/call_outs.h"
#include "update/program_version.h"

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

    static UpdateCheckSetup fromBuild();
};

// The daily update check: at most once a day (never on the first day of
// use) it fetches the version list and offers a newer version once.
class UpdateChecker final : public UpdateCheck {
public:
    // inet: the main window's transfer control.
    UpdateChecker(const platform::Services &services, platform::MessageBoxes &messages, platform::Http &inet,
                  UpdateCheckSetup setup = UpdateCheckSetup::fromBuild());

    void securitycheck() override;

    // The main window's `updating`: no check while an update downloads.
    std::function<bool()> isUpdating;
    // Called when the user takes up the offer, with the version offered.
    std::function<void(const QString &offeredVersion)> downloadupdate;
    // Called instead when the offer is of the home page.
    std::function<void()> openHomePage;

    // The body of the last version list fetched.
    const QString &txt_codes() const { return m_codes; }

private:
    bool dueToday();
    void noticeBeforeFirstAccess();

    const platform::Services &m_services;
    platform::MessageBoxes &m_messages;
    platform::Http &m_inet;
    UpdateCheckSetup m_setup;
    QString m_codes;
};
