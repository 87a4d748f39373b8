// Until the main window exists, the clock runs in the terminal: it puts the
// first enabled zone on show and prints the zone, time and date lines once a second.
#include "engine/clock_tick.h"
#include "engine/local_zone.h"
#include "engine/zone_catalogue.h"
#include "platform/real/application_desktop.h"
#include "platform/real/canberra_sound.h"
#include "platform/real/network_status.h"
#include "platform/real/qt_processes.h"
#include "platform/real/qt_event_pump.h"
#include "platform/real/system_clock.h"
#include "platform/real/system_time_zone_info.h"
#include "platform/services.h"
#include "platform/window_pieces.h"
#include "settings/autostart_registry.h"
#include "settings/first_start.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

namespace {

class TextLabel final : public platform::Label {
public:
    explicit TextLabel(QString text)
        : m_text(std::move(text))
    {
    }
    void setText(const QString &text) override { m_text = text; }
    QString text() const override { return m_text; }
    void setForeColor(quint32) override {}
    int height() const override { return m_height; }
    void setHeight(int twips) override { m_height = twips; }

private:
    QString m_text;
    int m_height = 525;
};

class NoPicture final : public platform::Picture {
public:
    void loadPicture(const QString &) override {}
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

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

    settings::settleFirstStart24hr(settings, QLocale::system());

    TextLabel zone(QStringLiteral("Waiting for data"));
    TextLabel time(QStringLiteral("12:12:12 pm"));
    TextLabel local(QStringLiteral("Local time: 12:12:12"));
    NoPicture background;
    ClockState state;
    state.localdiff = localCorrection(GetLocalTZ(timeZone));

    for (int position = 1; position <= zone_catalogue::LastPosition; ++position) {
        if (!zone_catalogue::isEnabled(position, settings))
            continue;
        const auto entry = zone_catalogue::entryAt(position, settings);
        zone.setText(entry->name);
        state.zonediff = entry->isCustom ? ZoneOffset::fromText(entry->customOffsetText)
                                         : ZoneOffset::fromHours(entry->offsetHours);
        state.zonedst = entry->daylightSaving;
        state.zonefresh = true;
        break;
    }

    ClockTick tick(state, services, {zone, time, local}, background);
    QTimer timer;
    timer.setInterval(1000);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        tick.Timer1_Timer();
        std::printf("%s\n%s\n%s\n\n", qPrintable(zone.text()), qPrintable(time.text()), qPrintable(local.text()));
        std::fflush(stdout);
    });
    timer.start();
    return app.exec();
}
