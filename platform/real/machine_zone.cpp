// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/machine_zone.h"

#include "platform/desktop_log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

namespace platform {

namespace {

bool namesTheZone(const char *name)
{
    return std::strcmp(name, "localtime") == 0 || std::strcmp(name, "timezone") == 0 || std::strcmp(name, "TZ") == 0;
}

} // namespace

MachineZone::MachineZone(QString folder, ZoneSource source) : m_folder(std::move(folder)), m_source(std::move(source))
{
}

MachineZone::~MachineZone()
{
    m_notifier.reset();
    if (m_inotify >= 0)
        ::close(m_inotify);
}

ZoneReading MachineZone::at(qint64 utcMs)
{
    if (m_stale || utcMs < m_readAt || utcMs >= m_until) {
        // Watched before reading, so a change in between is not missed.
        watch();
        read(utcMs);
        m_stale = !isWatching();
    }
    return m_reading;
}

void MachineZone::watch()
{
    if (m_inotify < 0) {
        if (!QCoreApplication::instance())
            return; // no event loop to hear from inotify: read every time
        m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_inotify < 0) {
            qCWarning(lcDesktop()).noquote()
                << "cannot watch the machine's time zone, reading it every second:" << std::strerror(errno);
            return;
        }
        m_notifier = std::make_unique<QSocketNotifier>(m_inotify, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                         [this] { zoneFilesChanged(); });
    }
    // The folder: the link replaced, or the zone's name written. The file the
    // link leads to: new rules from a tzdata upgrade. Adding a watch again
    // only renews it, so this runs at every reading.
    const QByteArray folder = QFile::encodeName(m_folder);
    ::inotify_add_watch(m_inotify, folder.constData(),
                        IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM | IN_CLOSE_WRITE | IN_ATTRIB);
    const QString target = QFileInfo(m_folder + QStringLiteral("/localtime")).canonicalFilePath();
    if (!target.isEmpty()) {
        ::inotify_add_watch(m_inotify, QFile::encodeName(target).constData(),
                            IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF);
    }
}

void MachineZone::zoneFilesChanged()
{
    alignas(inotify_event) char buffer[4096];
    ssize_t length;
    while ((length = ::read(m_inotify, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            // A nameless event is about the linked file itself.
            if (event->len == 0 || namesTheZone(event->name))
                m_stale = true;
            at += ssize_t(sizeof(inotify_event)) + event->len;
        }
    }
}

void MachineZone::read(qint64 utcMs)
{
    m_readAt = utcMs;
    m_until = std::numeric_limits<qint64>::max();
    const QTimeZone zone = m_source();
    if (!zone.isValid()) {
        m_reading = {};
        return;
    }
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC);
    m_reading.offsetSeconds = zone.offsetFromUtc(now);
    m_reading.daylightTime = zone.isDaylightTime(now);
    m_reading.valid = true;
    const QTimeZone::OffsetData next = zone.nextTransition(now);
    if (next.atUtc.isValid())
        m_until = next.atUtc.toMSecsSinceEpoch();
}

} // namespace platform
