// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/platform_choices.h"
#include "app/translations.h"
#include "mainwindow/desktop_accessory.h"
#include "mainwindow/main_window.h"
#include "platform/real/application_desktop.h"
#include "platform/real/canberra_sound.h"
#include "platform/real/lazy_http.h"
#include "platform/real/lazy_signature_check.h"
#include "platform/real/machine_zone.h"
#include "platform/real/network_status.h"
#include "platform/real/qt_event_pump.h"
#include "platform/real/qt_message_boxes.h"
#include "platform/real/qt_processes.h"
#include "platform/real/system_clock.h"
#include "platform/real/system_time_zone_info.h"
#include "platform/real/xdg_browser.h"
#include "platform/services.h"
#include "settingsdialog/settings_dialog.h"
#include "settingsdialog/settings_dialog_opener.h"
#include "settingsstore/autostart_entry.h"
#include "settingsstore/settings_store.h"
#include "update/build_urls.h"
#include "update/update_check.h"
#include "update/update_install.h"
#include "update/web_launch.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char **argv)
{
    if (const std::optional<int> status = answerBeforeStart(argc, argv))
        return *status;
    if (PlatformChoices::refuseMissingWaylandPlugin(argc, argv))
        return 1;
    const QByteArray launchToken = platform::QtProcesses::launchToken();
    PlatformChoices choices;
    choices.preferX11UnderWayland();
    choices.preferPlainImageUpload();
    if (const std::optional<int> status = answerUnreachableDisplay(argc, argv))
        return *status;
    QApplication app(argc, argv);
    choices.takeBack();
    QApplication::setApplicationName(QStringLiteral("Horalux"));
    const QString language = translations::install(app);
    // The clock ends only through its own exit; closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString configRoot = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    platform::MachineZone machineZone;
    platform::SystemClock clock(machineZone);
    platform::MonotonicTickCounter ticks;
    platform::QtEventPump events;
    platform::SystemTimeZoneInfo timeZone(machineZone);
    settings::IniSettingsStore settings(configRoot);
    platform::ApplicationDesktop desktop;
    settings::AutostartEntry autostart(configRoot, desktop);
    platform::NetworkStatus network;
    platform::QtProcesses processes({}, launchToken);
    platform::CanberraSound sound;
    const platform::Services services {clock,     ticks,   events,  timeZone,  settings,
                                       autostart, desktop, network, processes, sound};
    platform::QtMessageBoxes messages;
    // The transfer controls of the main window and of the download dialog.
    const QString httpModule = desktop.programFolder() + QStringLiteral("/libhoralux_http.so");
    platform::LazyHttp http(events, httpModule);
    platform::LazyHttp dialogHttp(events, httpModule);
    platform::LazySignatureCheck signatures(httpModule);
    platform::XdgBrowser browser;

    const UpdateInstallSetup installSetup = UpdateInstallSetup::fromBuild(desktop.programFolder());
    UpdateCheckSetup checkSetup = UpdateCheckSetup::fromBuild();
    checkSetup.offersDownload = installSetup.policy.startsPrograms();
    checkSetup.listTrust = {installSetup.policy.publicKeys, &signatures};
    UpdateChecker updateCheck(services, messages, http, checkSetup);
    ClockWindow window(services, messages, updateCheck);
    messages.setMainWindow(&window);
    messages.setBoxPreparation([](QWidget &box) { withoutMinimiseUnderOpenbox(box); });
    // Parented to the clock, so the dialog stays above an always-on-top clock.
    SettingsDialogOpener settingsDialog(services, messages, window, &window);
    window.openSettings = [&settingsDialog] { settingsDialog.show(); };
    window.openAbout = [&settingsDialog] { settingsDialog.showAbout(); };

    UpdateInstall install(services, messages, window.state(), http, dialogHttp, signatures, installSetup);
    WebLaunch web(services, messages, browser);
    web.setLanguage(language);
    const auto openHomePage = [&web] {
        web.openWebPage(homePageAddress(build_urls::webSite(), ProgramVersion::current()));
    };
    install.openHomePage = openHomePage;
    updateCheck.openHomePage = openHomePage;
    HelpKey helpKey([&web] { web.showHelp(); });
    app.installEventFilter(&helpKey);
    updateCheck.isUpdating = [&window] { return window.state().updating; };
    updateCheck.downloadUpdate = [&install](const QString &offeredVersion) { install.downloadUpdate(offeredVersion); };
    install.closeSettingsDialog = [&settingsDialog] {
        if (SettingsDialog *dialog = settingsDialog.dialog())
            dialog->close();
    };
    settingsDialog.onUpdateLinkClicked = [&install] { install.downloadUpdate(); };
    settingsDialog.onHelpLinkClicked = [&settingsDialog, &web] {
        if (SettingsDialog *dialog = settingsDialog.dialog())
            web.helpThenHomePage(*dialog);
    };
    window.openHelp = [&web, &window] { web.helpThenHomePage(window); };
    window.cancelTransfers = [&http] { http.cancel(); };

    window.start();
    return app.exec();
}
