// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_install.h"

#include "engine/clock_state.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/http.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "update/build_urls.h"
#include "update/download_dialog.h"
#include "update/downloaded_program_file.h"
#include "update/legacy_update_program.h"
#include "update/signed_version_list.h"
#include "update/update_log.h"
#include "update/verified_program.h"
#include "update/version_list.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString kRemotePath = QStringLiteral("/updates/horaluxupdate.exe");
// A signed statement is four short lines; anything much longer is not one.
constexpr qint64 kSignatureMaxBytes = 1024;

} // namespace

UpdateInstallSetup UpdateInstallSetup::fromBuild(const QString &programFolder)
{
    return UpdateInstallSetup {build_urls::downloadServer(),
                               QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation),
                               UpdatePolicy::fromBuild(programFolder), ProgramVersion::current()};
}

UpdateInstall::UpdateInstall(const platform::Services &services, platform::MessageBoxes &messages, ClockState &state,
                             platform::Http &http, platform::Http &dialogHttp,
                             const platform::SignatureCheck &signatures, UpdateInstallSetup setup)
    : m_services(services),
      m_messages(messages),
      m_state(state),
      m_http(http),
      m_dialogHttp(dialogHttp),
      m_signatures(signatures),
      m_setup(std::move(setup))
{
}

UpdateInstall::~UpdateInstall() = default;

QString UpdateInstall::untrustedText()
{
    return tr("The downloaded update is not signed by the makers of Horalux, so it has been deleted and was not run. "
              "Your clock has not been changed.");
}

QString UpdateInstall::packageManagedText()
{
    return tr("This copy of Horalux does not update itself: new versions come from where it was installed, such as "
              "your package manager.\r\n\r\n"
              "Do you want to open the Horalux home page to see what is new?");
}

QString UpdateInstall::localFile() const
{
    const DownloadedProgramFile file(m_setup.cacheRoot);
    if (!file.hasFolder())
        qCWarning(lcUpdate) << "no private folder for the update program:" << file.problem();
    return file.path();
}

DownloadDialog &UpdateInstall::form()
{
    if (!m_form) {
        m_form = std::make_unique<DownloadDialog>(m_dialogHttp, m_messages, m_services.ticks, m_services.events);
        m_form->setMaxBytes(m_setup.policy.maxBytes);
    }
    return *m_form;
}

void UpdateInstall::offerHomePage()
{
    const auto answer = m_messages.show(packageManagedText(), tr("Updates"), platform::MessageBoxes::Icon::Information,
                                        platform::MessageBoxes::Buttons::YesNo);
    if (answer == platform::MessageBoxes::Answer::Yes && openHomePage)
        openHomePage();
}

void UpdateInstall::downloadUpdate(const QString &offeredVersion)
{
    using Icon = platform::MessageBoxes::Icon;
    // One download at a time: a second request only brings the running one forward.
    if (m_form && m_form->isTransferring()) {
        if (m_form->isVisible()) {
            m_form->raise();
            m_form->activateWindow();
        }
        return;
    }
    // Without a key nothing downloaded could be trusted, so nothing is downloaded.
    if (!m_setup.policy.startsPrograms()) {
        offerHomePage();
        return;
    }

    m_state.updating = true;
    DownloadedProgramFile file(m_setup.cacheRoot);
    if (!file.hasFolder())
        qCWarning(lcUpdate) << "no private folder for the update program:" << file.problem();
    file.removeOld();
    removeLegacyUpdateProgram(m_services.desktop.programFolder());
    if (m_http.stillExecuting()) {
        m_messages.show(tr("I Can`t download right now, please try again in a couple of minutes!"),
                        tr("Sorry, I`m busy"), Icon::Information);
        m_state.updating = false;
        return;
    }
    if (closeSettingsDialog)
        closeSettingsDialog();

    // The result of this transfer, not an earlier one: a partial or unwritten
    // file is never started.
    const QString remote = m_setup.downloadServer + kRemotePath;
    const QString least = offeredVersion.isEmpty() ? listedVersion() : QString();
    if (!download(remote, file)) {
        m_messages.show(tr("Download failed."), tr("Download Failed"), Icon::Information);
        m_state.updating = false;
        return;
    }
    const VerifiedProgram::Outcome checked = verified(file.descriptor(), remote, offeredVersion, least);
    file.remove(); // the sealed copy holds the bytes from here
    if (!checked.program) {
        qCWarning(lcUpdate) << "update program refused:" << checked.why;
        if (checked.untrusted)
            m_messages.show(untrustedText(), tr("Update Not Trusted"), Icon::Critical);
        else
            m_messages.show(tr("Download failed."), tr("Download Failed"), Icon::Information);
        m_state.updating = false;
        return;
    }
    m_messages.show(tr("Download successful! I will now run the update file."), tr("Download Successful!"),
                    Icon::Information);
    m_services.settings.flush(); // the update may read them, or start the new clock on them
    QString why;
    if (!checked.program->prepareToStart(&why))
        qCWarning(lcUpdate) << "update program not started:" << why;
    else if (!m_services.processes.start(checked.program->launchPath(), {}, platform::Processes::Show::NormalWithFocus))
        qCWarning(lcUpdate) << "update program could not be started:" << checked.program->launchPath();
    m_services.processes.endNow(0);
}

bool UpdateInstall::download(const QString &remote, DownloadedProgramFile &file)
{
    QString why;
    QFile out;
    if (!file.create(&why) || !out.open(file.descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        qCWarning(lcUpdate) << "no file for the update program:" << (why.isEmpty() ? out.errorString() : why);
        return false;
    }
    return form().downloadFile(remote, out, file.path());
}

QString UpdateInstall::listedVersion()
{
    const QString listUrl = m_setup.downloadServer + QStringLiteral("/versions.txt");
    const std::optional<QByteArray> answer = m_http.openUrl(listUrl, kVersionListMaxBytes);
    if (!answer || m_http.status() != 200) {
        qCWarning(lcUpdate) << "update link: no version list from" << listUrl << "(status" << m_http.status() << ")";
    } else if (const std::optional<QString> list =
                   trustedVersionList(*answer, {m_setup.policy.publicKeys, &m_signatures}, m_services.settings,
                                      m_services.clock.utcNow())) {
        if (const QString listed = plainVersion(versionFromList(*list)); !listed.isEmpty())
            return listed;
    }
    // The newest signed list seen stands when this one cannot be had or trusted.
    return newestListedVersion(m_services.settings);
}

VerifiedProgram::Outcome UpdateInstall::verified(int fd, const QString &remote, const QString &offeredVersion,
                                                 const QString &leastVersion)
{
    const QString signatureUrl = remote + QStringLiteral(".sig");
    const std::optional<QByteArray> answer = m_http.openUrl(signatureUrl, kSignatureMaxBytes);
    if (!answer || m_http.status() != 200)
        return {nullptr, QStringLiteral("no signature at ") + signatureUrl, true};
    const UpdateRules rules {m_setup.policy.publicKeys, m_setup.policy.maxBytes, m_setup.version, offeredVersion,
                             leastVersion};
    return VerifiedProgram::check(fd, *answer, rules, m_signatures);
}
