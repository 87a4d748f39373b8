// SPDX-License-Identifier: GPL-3.0-or-later
#include "ntp_time.h"

namespace cmdtime {

namespace {

constexpr std::int64_t nanosPerSecond = 1'000'000'000;

// A signed 32.32 fixed-point span in nanoseconds. Seconds and fraction are
// scaled apart so that no intermediate exceeds 64 bits.
std::chrono::nanoseconds fixedPointToNanoseconds(std::int64_t fixedPoint)
{
    const std::int64_t wholeSeconds = fixedPoint >> 32; // floor, also for negative spans
    const auto fraction = static_cast<std::uint64_t>(fixedPoint) & 0xFFFF'FFFFu;
    const auto fractionNanos = static_cast<std::int64_t>((fraction * nanosPerSecond) >> 32);
    return std::chrono::nanoseconds {wholeSeconds * nanosPerSecond + fractionNanos};
}

} // namespace

NtpTimestamp toNtpTimestamp(const std::timespec& unixTime)
{
    // The seconds wrap on purpose: after 2036 NTP counts on in the next era.
    const auto seconds =
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(unixTime.tv_sec + ntpToUnixEpochSeconds));
    const auto fraction =
        static_cast<std::uint32_t>((static_cast<std::uint64_t>(unixTime.tv_nsec) << 32) / nanosPerSecond);
    return {seconds, fraction};
}

std::chrono::nanoseconds ntpDifference(NtpTimestamp a, NtpTimestamp b)
{
    // Modular subtraction read as signed picks the nearer of the two eras.
    return fixedPointToNanoseconds(static_cast<std::int64_t>(b.raw() - a.raw()));
}

std::chrono::nanoseconds clockOffset(NtpTimestamp requestSent, NtpTimestamp requestReceived, NtpTimestamp replySent,
                                     NtpTimestamp replyReceived)
{
    // Each span is below 2^31 s, so their sum still fits in 64-bit nanoseconds.
    return (ntpDifference(requestSent, requestReceived) + ntpDifference(replyReceived, replySent)) / 2;
}

} // namespace cmdtime
