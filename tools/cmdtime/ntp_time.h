// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>

namespace cmdtime {

// An NTP timestamp as it travels on the wire: 32 bits of seconds since
// 1900-01-01 (wrapping every 136 years, first in 2036) and 32 bits of fraction.
struct NtpTimestamp {
    std::uint32_t seconds = 0;
    std::uint32_t fraction = 0;

    std::uint64_t raw() const { return (std::uint64_t {seconds} << 32) | fraction; }
    static NtpTimestamp fromRaw(std::uint64_t raw)
    {
        return {static_cast<std::uint32_t>(raw >> 32), static_cast<std::uint32_t>(raw)};
    }
    bool isZero() const { return seconds == 0 && fraction == 0; }
    friend bool operator==(const NtpTimestamp&, const NtpTimestamp&) = default;
};

// Seconds from the NTP epoch (1900) to the Unix epoch (1970).
inline constexpr std::int64_t ntpToUnixEpochSeconds = 2'208'988'800;

NtpTimestamp toNtpTimestamp(const std::timespec& unixTime);

// b - a, correct across an era wrap as long as the two lie within 68 years.
std::chrono::nanoseconds ntpDifference(NtpTimestamp a, NtpTimestamp b);

// The clock offset of RFC 4330: ((T2 - T1) + (T3 - T4)) / 2, positive when the
// server is ahead of us.
std::chrono::nanoseconds clockOffset(NtpTimestamp requestSent, NtpTimestamp requestReceived, NtpTimestamp replySent,
                                     NtpTimestamp replyReceived);

} // namespace cmdtime
