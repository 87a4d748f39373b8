// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/canberra_sound.h"

#include "platform/desktop_log.h"

#include <QFileInfo>

#include <canberra.h>

namespace platform {

namespace {
// One id for all our sounds, so a new one can cut off the one still playing.
constexpr uint32_t kSoundId = 1;
} // namespace

CanberraSound::CanberraSound()
{
    m_contextError = ca_context_create(&m_context);
    if (m_contextError != CA_SUCCESS)
        m_context = nullptr;
    else
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Horalux", CA_PROP_APPLICATION_ID, "horalux",
                                nullptr);
}

CanberraSound::~CanberraSound()
{
    if (m_context)
        ca_context_destroy(m_context);
}

void CanberraSound::playfile(const QString &fileName)
{
    // No device, no sound system or no file: silence, never an error.
    if (!m_context) {
        report(QStringLiteral("no sound: %1").arg(QString::fromUtf8(ca_strerror(m_contextError))), false);
        return;
    }
    if (!QFileInfo(fileName).isFile()) {
        report(QStringLiteral("cannot play %1: there is no such file").arg(fileName), true);
        return;
    }
    ca_context_cancel(m_context, kSoundId);
    const QByteArray path = QFileInfo(fileName).absoluteFilePath().toLocal8Bit();
    const int played =
        ca_context_play(m_context, kSoundId, CA_PROP_MEDIA_FILENAME, path.constData(), CA_PROP_MEDIA_ROLE, "event",
                        CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr);
    if (played == CA_SUCCESS)
        m_reported.clear();
    else
        report(QStringLiteral("cannot play %1: %2").arg(fileName, QString::fromUtf8(ca_strerror(played))), false);
}

void CanberraSound::report(const QString &problem, bool inTheInstallation)
{
    if (problem == m_reported)
        return;
    m_reported = problem;
    // A machine without sound is common and harmless; a file missing from
    // the program's folder is a broken installation.
    if (inTheInstallation)
        qCWarning(lcDesktop).noquote() << problem;
    else
        qCInfo(lcDesktop).noquote() << problem;
}

} // namespace platform
