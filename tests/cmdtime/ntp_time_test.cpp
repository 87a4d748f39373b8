// SPDX-License-Identifier: GPL-3.0-or-later
#include "ntp_time.h"
#include "seconds_text.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using cmdtime::NtpTimestamp;

namespace {

constexpr std::uint32_t half = 0x8000'0000u;
constexpr std::uint32_t quarter = 0x4000'0000u;

TEST(NtpTimestampTest, ConvertsUnixTimeIntoTheRightEra)
{
    EXPECT_EQ(cmdtime::toNtpTimestamp({0, 0}), (NtpTimestamp {2'208'988'800u, 0}));
    EXPECT_EQ(cmdtime::toNtpTimestamp({1, 500'000'000}), (NtpTimestamp {2'208'988'801u, half}));
    // 2036-02-07 06:28:16 UTC starts era 1: the seconds wrap to zero.
    EXPECT_EQ(cmdtime::toNtpTimestamp({2'085'978'496, 250'000'000}), (NtpTimestamp {0, quarter}));
    EXPECT_EQ(cmdtime::toNtpTimestamp({2'085'978'495, 0}), (NtpTimestamp {0xFFFF'FFFFu, 0}));
}

struct OffsetCase {
    const char* name;
    NtpTimestamp requestSent, requestReceived, replySent, replyReceived;
    std::chrono::nanoseconds expected;
};

void PrintTo(const OffsetCase& c, std::ostream* os)
{
    *os << c.name;
}

class ClockOffsetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(ClockOffsetTest, FollowsRfc4330)
{
    const OffsetCase& c = GetParam();
    EXPECT_EQ(cmdtime::clockOffset(c.requestSent, c.requestReceived, c.replySent, c.replyReceived), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClockOffsetTest,
    ::testing::Values(
        OffsetCase {"ServerAhead", {1000, 0}, {1003, half}, {1003, half + quarter}, {1000, quarter}, 3500ms},
        OffsetCase {"ServerBehind", {1000, 0}, {997, half}, {997, half}, {1000, half}, -2750ms},
        OffsetCase {"InSyncWithSlowPath", {1000, 0}, {1001, 0}, {1001, 0}, {1002, 0}, 0ns},
        // Only the outbound leg is slow: half of it shows as offset.
        OffsetCase {"AsymmetricDelay", {1000, 0}, {1002, 0}, {1002, 0}, {1002, 0}, 1s},
        OffsetCase {"FractionBorrow", {10, half + quarter}, {11, quarter}, {11, quarter}, {10, half + quarter}, 500ms},
        // Our clock still in era 0 (before 2036), the server's already in era 1.
        OffsetCase {"ServerAcrossEraWrap", {0xFFFF'FFFFu, 0}, {1, 0}, {1, 0}, {0xFFFF'FFFFu, 0}, 2s},
        OffsetCase {"LocalAcrossEraWrap", {2, half}, {0xFFFF'FFFFu, half}, {0xFFFF'FFFFu, half}, {2, half}, -3s},
        // Decades of offset (a clock reset to 1970) still come out whole.
        OffsetCase {
            "DecadesBehind", {100, 0}, {100 + 1'500'000'000u, 0}, {100 + 1'500'000'000u, 0}, {100, 0}, 1'500'000'000s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NtpDifferenceTest, KeepsFractionsOfNegativeSpans)
{
    EXPECT_EQ(cmdtime::ntpDifference({5, quarter}, {4, half}), -750ms);
    EXPECT_EQ(cmdtime::ntpDifference({4, half}, {5, quarter}), 750ms);
}

struct OffsetTextCase {
    std::chrono::nanoseconds offset;
    const char* text;
};

void PrintTo(const OffsetTextCase& c, std::ostream* os)
{
    *os << c.offset.count() << " ns";
}

class OffsetTextTest : public ::testing::TestWithParam<OffsetTextCase> {};

TEST_P(OffsetTextTest, ShowsSignAndMilliseconds)
{
    EXPECT_EQ(cmdtime::formatOffset(GetParam().offset), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, OffsetTextTest,
                         ::testing::Values(OffsetTextCase {3512ms, "+3.512 s"}, OffsetTextCase {-250ms, "-0.250 s"},
                                           OffsetTextCase {0ns, "+0.000 s"}, OffsetTextCase {-400us, "+0.000 s"},
                                           OffsetTextCase {1999600us, "+2.000 s"},
                                           OffsetTextCase {-1999500us, "-2.000 s"},
                                           OffsetTextCase {-86400001ms, "-86400.001 s"}));

TEST(DurationTextTest, ReadsAsTyped)
{
    EXPECT_EQ(cmdtime::formatDuration(5s), "5 s");
    EXPECT_EQ(cmdtime::formatDuration(250ms), "0.25 s");
}

} // namespace
