#include "update/update_install.h"

#include "engine/clock_state.h"
#include "platform/desktop.h"
#include "platform/http.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "update/build_urls.h"
#include "update/download_dialog.h"

#include <QDir>
#include <QFile>

namespace {

const QString kRemotePath = QStringLiteral("/updates/horaluxupdate.exe");

// Whoever may read the file may run it.
void makeExecutable(const QString &file)
{
    QFile::Permissions permissions = QFile::permissions(file) | QFile::ExeOwner | QFile::ExeUser;
    if (permissions & QFile::ReadGroup)
        permissions |= QFile::ExeGroup;
    if (permissions & QFile::ReadOther)
        permissions |= QFile::ExeOther;
    QFile::setPermissions(file, permissions);
}

} // namespace

UpdateInstall::UpdateInstall(const platform::Services &services, platform::MessageBoxes &messages, ClockState &state,
                             platform::Http &inet, platform::Http &dialogInet, QString downloadServer)
    : m_services(services),
      m_messages(messages),
      m_state(state),
      m_inet(inet),
      m_dialogInet(dialogInet),
      m_downloadServer(downloadServer.isEmpty() ? build_urls::downloadServer() : std::move(downloadServer))
{
}

UpdateInstall::~UpdateInstall() = default;

QString UpdateInstall::localFile() const
{
    // QDir joins a folder that already ends in a separator (the root) without doubling it.
    return QDir(m_services.desktop.programFolder()).filePath(QStringLiteral("hupdate"));
}

DownloadForm &UpdateInstall::form()
{
    if (!m_form)
        m_form = std::make_unique<DownloadForm>(m_dialogInet, m_messages, m_services.ticks, m_services.events);
    return *m_form;
}

void UpdateInstall::downloadupdate()
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

    m_state.updating = true;
    const QString local = localFile();
    QFile::remove(local);
    if (m_inet.stillExecuting()) {
        m_messages.show(QStringLiteral("I Can`t download right now, please try again in a couple of minutes!"),
                        QStringLiteral("Sorry, I`m busy"), Icon::Information);
        m_state.updating = false;
        return;
    }
    if (closeSettingsDialog)
        closeSettingsDialog();

    // The result of this transfer, not an earlier one: a partial or unwritten
    // file is never started.
    if (!form().DownloadFile(m_downloadServer + kRemotePath, local, QString(), QString())) {
        m_messages.show(QStringLiteral("Download failed."), QStringLiteral("Download Failed"), Icon::Information);
        m_state.updating = false;
        return;
    }
    m_messages.show(QStringLiteral("Download successful! I will now run the update file."),
                    QStringLiteral("Download Successful!"), Icon::Information);
    makeExecutable(local);
    m_services.processes.start(local, {}, platform::Processes::Show::NormalWithFocus);
    m_services.settings.flush();
    m_services.processes.endNow(0);
}
