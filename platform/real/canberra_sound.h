#pragma once

#include "platform/sound.h"

struct ca_context;

namespace platform {

// Plays wave files through the freedesktop sound system (libcanberra).
class CanberraSound final : public Sound {
public:
    CanberraSound();
    ~CanberraSound() override;
    CanberraSound(const CanberraSound &) = delete;
    CanberraSound &operator=(const CanberraSound &) = delete;

    void playfile(const QString &fileName) override;

private:
    ca_context *m_context = nullptr;
};

} // namespace platform
