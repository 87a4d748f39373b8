// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing a wave file and returns at once, cutting off a sound still
    // playing. A file that cannot be played, or no sound device, is silence.
    virtual void playFile(const QString &fileName) = 0;
};

} // namespace platform
