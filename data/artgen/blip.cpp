// SPDX-License-Identifier: GPL-3.0-or-later
#include "blip.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kSampleRate = 44100;
constexpr double kDuration = 0.075;
constexpr double kPitch = 1500;
constexpr double kPeak = 0.45; // of full scale: a UI sound, not an alarm
constexpr double kAttack = 0.003;
constexpr double kDecay = 0.016; // time constant of the exponential fall
constexpr double kRelease = 0.008;

// Raised-cosine ramps at both ends start and stop the wave at zero, so the
// speaker never jumps: that jump is what would click.
double envelope(double t)
{
    const double ramp = [](double x) {
        return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
    }(t / kAttack);
    const double fall = std::exp(-std::max(t - kAttack, 0.0) / kDecay);
    const double release = 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp((kDuration - t) / kRelease, 0.0, 1.0));
    return ramp * fall * release;
}

void append16(QByteArray &out, quint16 value)
{
    const quint16 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

void append32(QByteArray &out, quint32 value)
{
    const quint32 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

} // namespace

QByteArray blipWav()
{
    constexpr int frames = int(kDuration * kSampleRate);
    constexpr quint16 channels = 1;
    constexpr quint16 bitsPerSample = 16;
    constexpr quint16 blockAlign = channels * bitsPerSample / 8;
    constexpr quint32 dataBytes = frames * blockAlign;

    QByteArray wav;
    wav.reserve(44 + int(dataBytes));
    wav.append("RIFF");
    append32(wav, 36 + dataBytes);
    wav.append("WAVE");
    wav.append("fmt ");
    append32(wav, 16);
    append16(wav, 1); // PCM
    append16(wav, channels);
    append32(wav, kSampleRate);
    append32(wav, kSampleRate * blockAlign);
    append16(wav, blockAlign);
    append16(wav, bitsPerSample);
    wav.append("data");
    append32(wav, dataBytes);
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / kSampleRate;
        const double value = kPeak * envelope(t) * std::sin(2 * std::numbers::pi * kPitch * t);
        append16(wav, quint16(qint16(std::lround(value * 32767))));
    }
    return wav;
}
