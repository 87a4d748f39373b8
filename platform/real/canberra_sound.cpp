#include "platform/real/canberra_sound.h"

#include <QFileInfo>

#include <canberra.h>

namespace platform {

namespace {
// One id for all our sounds, so a new one can cut off the one still playing.
constexpr uint32_t kSoundId = 1;
}

CanberraSound::CanberraSound()
{
    if (ca_context_create(&m_context) != CA_SUCCESS)
        m_context = nullptr;
    else
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Horalux", CA_PROP_APPLICATION_ID,
                                "horalux", nullptr);
}

CanberraSound::~CanberraSound()
{
    if (m_context)
        ca_context_destroy(m_context);
}

void CanberraSound::playfile(const QString &fileName)
{
    // No device, no sound system or no file: silence, never an error.
    if (!m_context || !QFileInfo(fileName).isFile())
        return;
    ca_context_cancel(m_context, kSoundId);
    const QByteArray path = QFileInfo(fileName).absoluteFilePath().toLocal8Bit();
    ca_context_play(m_context, kSoundId, CA_PROP_MEDIA_FILENAME, path.constData(), CA_PROP_MEDIA_ROLE, "event",
                    CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr);
}

} // namespace platform
