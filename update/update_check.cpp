// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_check.h"

#include "engine/typed_settings.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/http.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "update/build_urls.h"
#include "update/legacy_update_program.h"
#include "update/server_text.h"
#include "update/update_log.h"
#include "update/version_list.h"

namespace {
// Enough of a refused version for the log to show what came.
constexpr qsizetype kShownVersionChars = 40;
} // namespace

UpdateCheckSetup UpdateCheckSetup::fromBuild()
{
    UpdateCheckSetup setup;
    setup.downloadServer = build_urls::downloadServer();
    setup.webSite = build_urls::webSite();
    return setup;
}

UpdateChecker::UpdateChecker(const platform::Services &services, platform::MessageBoxes &messages, platform::Http &http,
                             UpdateCheckSetup setup)
    : m_services(services),
      m_messages(messages),
      m_http(http),
      m_setup(std::move(setup))
{
}

bool UpdateChecker::dueToday()
{
    TypedSettings settings(m_services.settings);
    const QDate today = m_services.clock.localWallTime().date();
    const QString todayText = lastCheckDateText(today, m_setup.locale);
    const QDate last = lastCheckDateFromText(settings.text(setting::LastUpdateCheck, todayText), m_setup.locale);
    settings.save(setting::LastUpdateCheck, todayText);
    // An unreadable date, today or a day to come (the clock was put back): not today.
    return last.isValid() && last < today;
}

void UpdateChecker::noticeBeforeFirstAccess()
{
    TypedSettings settings(m_services.settings);
    if (!settings.isFalse(setting::InternetNoticeShown))
        return;
    settings.saveSwitch(setting::InternetNoticeShown, true);
    m_messages.show(tr("Horalux is about to check with Veltrane to see whether there is an update available. If you "
                       "are using a FireWall, then you may be asked to grant permission to Horalux to access the "
                       "Internet. Please select YES and allow the rule, if you don`t do this, then Horalux won`t be "
                       "able to update itself!"),
                    tr("Internet access beginning."), platform::MessageBoxes::Icon::Information);
}

void UpdateChecker::checkForUpdates()
{
    if (isUpdating && isUpdating())
        return;
    if (!dueToday())
        return;
    // Once a day, when the clock goes out to the network anyway.
    removeLegacyUpdateProgram(m_services.desktop.programFolder());
    noticeBeforeFirstAccess();

    const QString listUrl = m_setup.downloadServer + QStringLiteral("/versions.txt");
    bool listed = false;
    if (const std::optional<QByteArray> list = m_http.openUrl(listUrl, kVersionListMaxBytes)) {
        // Only a 200 is a list: an error page or a redirect's own page offers nothing.
        if (const int status = m_http.status(); status != 200) {
            qCWarning(lcUpdate) << "update check: the server answered" << listUrl << "with status" << status;
        } else if (const std::optional<QString> text =
                       trustedVersionList(*list, m_setup.listTrust, m_services.settings, m_services.clock.utcNow())) {
            m_lastVersionList = *text;
            listed = true;
        } else {
            return; // not an offer, nor is an earlier list now
        }
    } else {
        qCWarning(lcUpdate) << "update check failed: no whole answer from" << listUrl << "(error"
                            << m_http.responseCode() << ")";
    }
    if (m_http.stillExecuting())
        return;

    const QString version = versionFromList(m_lastVersionList);
    if (listed && version.isEmpty())
        qCWarning(lcUpdate) << "update check: the version list has no entry for this program";
    if (!version.isEmpty() && versionNumber(version).isNull()) {
        qCWarning(lcUpdate) << "update check: the listed version is not digits and dots:"
                            << shownServerText(version.left(kShownVersionChars));
        return;
    }
    if (!isNewerVersion(version, m_setup.version))
        return;
    TypedSettings settings(m_services.settings);
    // Remembered by its numbers, so a respelled version ("1.02.4", "1.2.4.0") is not offered again.
    if (settings.isSet(setting::versionOffered(version)))
        return;
    for (const QString &spelling : sameVersionSpellings(version)) {
        if (settings.isSet(setting::versionOffered(spelling)))
            return;
    }

    const QString shown = shownServerText(version);
    const QString offer = m_setup.offersDownload
        ? updateOfferText(m_setup.version, shown, build_urls::hostOf(m_setup.webSite))
        : homePageOfferText(m_setup.version, shown);
    //: The title of the box that offers a newer version.
    const auto answer = m_messages.show(offer, tr("NewVersion"), platform::MessageBoxes::Icon::None,
                                        platform::MessageBoxes::Buttons::YesNo);
    // Offered once, whatever the answer.
    settings.saveFlag(setting::versionOffered(plainVersion(version)), true);
    if (answer != platform::MessageBoxes::Answer::Yes)
        return;
    if (m_setup.offersDownload && downloadUpdate)
        downloadUpdate(version);
    else if (!m_setup.offersDownload && openHomePage)
        openHomePage();
}
