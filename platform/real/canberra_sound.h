// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sound.h"

#include <QString>

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
    void report(const QString &problem, bool inTheInstallation);

    ca_context *m_context = nullptr;
    int m_contextError = 0;
    QString m_reported; // the problem logged last, so a silent clock logs it once
};

} // namespace platform
