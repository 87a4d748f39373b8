// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ntp_time.h"

#include <chrono>
#include <functional>
#include <memory>

namespace cmdtime::testing {

// One exchange with exact binary fractions, so the offset comes out exactly:
// ((T2 - T1) + (T3 - T4)) / 2 = (3.5 s + 3.5 s) / 2.
inline constexpr NtpTimestamp requestSentT1 {3'900'000'000u, 0};
inline constexpr NtpTimestamp requestReceivedT2 {3'900'000'003u, 0x8000'0000u};
inline constexpr NtpTimestamp replySentT3 {3'900'000'003u, 0xC000'0000u};
inline constexpr NtpTimestamp replyReceivedT4 {3'900'000'000u, 0x4000'0000u};
inline constexpr std::chrono::nanoseconds scriptedOffset = std::chrono::milliseconds {3500};

// A local clock reading T1 first and T4 ever after.
inline std::function<NtpTimestamp()> scriptedWallClock()
{
    auto readings = std::make_shared<int>(0);
    return [readings] { return (*readings)++ == 0 ? requestSentT1 : replyReceivedT4; };
}

} // namespace cmdtime::testing
