// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTimeZone>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace platform {

// The machine's time zone at one instant.
struct ZoneReading {
    int offsetSeconds = 0; // local time minus UTC
    bool daylightTime = false;
    bool valid = false; // false: no zone could be read, local time is UTC
};

// The machine's time zone, cheap enough to ask every second. glibc and Qt look
// at /etc/localtime again on every local-time call (Qt's zone name costs three
// more stats); this keeps one reading until the zone's next transition, and
// reads the zone again when inotify says a file that names it has changed.
// Without inotify it reads the zone on every call, as Qt would.
class MachineZone {
public:
    using ZoneSource = std::function<QTimeZone()>;

    // `folder` holds the files naming the zone (localtime, timezone, TZ);
    // `source` reads the zone they name.
    explicit MachineZone(QString folder = QStringLiteral("/etc"), ZoneSource source = &QTimeZone::systemTimeZone);
    ~MachineZone();
    MachineZone(const MachineZone &) = delete;
    MachineZone &operator=(const MachineZone &) = delete;

    ZoneReading at(qint64 utcMs);

    // Whether a change of the zone's files is seen without asking.
    bool isWatching() const { return m_notifier != nullptr; }

private:
    void watch();
    void zoneFilesChanged();
    void read(qint64 utcMs);

    QString m_folder;
    ZoneSource m_source;
    int m_inotify = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_stale = true;
    qint64 m_readAt = 0; // the reading holds from this instant...
    qint64 m_until = 0;  // ...to the zone's next transition
    ZoneReading m_reading;
};

} // namespace platform
