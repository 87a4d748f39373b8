#pragma once

#include <QString>

#include <functional>
#include <memory>

struct ClockState;
class DownloadForm;
namespace platform {
class Http;
class MessageBoxes;
struct Services;
} // namespace platform

// Fetches the update program, starts it and ends the clock so that it can
// be replaced. The download dialog is made on first use and kept.
class UpdateInstall {
public:
    // inet: the main window's transfer control (only asked whether it is
    // busy); dialogInet: the download dialog's. downloadServer: scheme, host
    // and optional port; empty means the build's server.
    UpdateInstall(const platform::Services &services, platform::MessageBoxes &messages, ClockState &state,
                  platform::Http &inet, platform::Http &dialogInet, QString downloadServer = QString());
    ~UpdateInstall();
    UpdateInstall(const UpdateInstall &) = delete;
    UpdateInstall &operator=(const UpdateInstall &) = delete;

    // Does not return when the update program was fetched: the process ends.
    void downloadupdate();
    // The settings dialog's update link.
    void Label8_Click() { downloadupdate(); }

    // Closes the settings dialog when it is open; nothing while unset.
    std::function<void()> closeSettingsDialog;

    // Where the update program is saved: the program folder's "hupdate".
    QString localFile() const;
    // Null until the first download.
    DownloadForm *downloadForm() const { return m_form.get(); }

private:
    DownloadForm &form();

    const platform::Services &m_services;
    platform::MessageBoxes &m_messages;
    ClockState &m_state;
    platform::Http &m_inet;
    platform::Http &m_dialogInet;
    QString m_downloadServer;
    std::unique_ptr<DownloadForm> m_form;
};
