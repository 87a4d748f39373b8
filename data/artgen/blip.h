// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// A short soft click-free UI blip as a complete RIFF WAV file
// (16-bit PCM, mono, 44100 Hz).
QByteArray blipWav();
