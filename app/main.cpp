#include "engine/call_outs.h"
#include "mainwindow/main_window.h"
#include "platform/real/application_desktop.h"
#include "platform/real/canberra_sound.h"
#include "platform/real/network_status.h"
#include "platform/real/qt_event_pump.h"
#include "platform/real/qt_message_boxes.h"
#include "platform/real/qt_processes.h"
#include "platform/real/system_clock.h"
#include "platform/real/system_time_zone_info.h"
#include "platform/services.h"
#include "settings/autostart_registry.h"
#include "settings/settings_dialog.h"
#include "settings/settings_dialog_opener.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QStandardPaths>

namespace {

// The daily update check has no server to ask yet: it does nothing.
class NoUpdateCheck final : public UpdateCheck {
public:
    void securitycheck() override {}
};

// A Wayland client cannot place its own window, and the clock lives by its
// stored place: ask for X11 (XWayland) unless the user chose a platform.
void preferX11UnderWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
            || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char **argv)
{
    preferX11UnderWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Horalux"));
    // The clock ends only through its own exit; closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString configRoot = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    platform::SystemClock clock;
    platform::MonotonicTickCounter ticks;
    platform::QtEventPump events;
    platform::SystemTimeZoneInfo timeZone;
    settings::IniSettingsStore settings(configRoot);
    settings::AutostartRegistry registry(configRoot);
    platform::ApplicationDesktop desktop;
    platform::NetworkStatus network;
    platform::QtProcesses processes;
    platform::CanberraSound sound;
    const platform::Services services {clock,    ticks,   events,  timeZone,  settings,
                                       registry, desktop, network, processes, sound};
    platform::QtMessageBoxes messages;
    NoUpdateCheck updateCheck;

    frm_main window(services, messages, updateCheck);
    // Parented to the clock, so the dialog stays above an always-on-top clock.
    SettingsDialogOpener settingsDialog(services, messages, window, &window);
    window.openSettings = [&settingsDialog] { settingsDialog.show(); };
    window.openAbout = [&settingsDialog] { settingsDialog.showAbout(); };

    window.Form_Load();
    return app.exec();
}
