// SPDX-License-Identifier: GPL-3.0-or-later
#include "sntp_packet.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using cmdtime::NtpTimestamp;
using cmdtime::ReplyProblem;
using cmdtime::SntpPacket;

namespace {

const NtpTimestamp nonce {0x1234'5678u, 0x9ABC'DEF0u};

TEST(SntpPacketLayoutTest, RequestIsVersion4ClientCarryingTheNonceAtTheEnd)
{
    const auto bytes = cmdtime::encodePacket(cmdtime::makeRequest(nonce));
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(bytes[0], 0x23); // LI 0, version 4, mode 3
    const std::vector<std::uint8_t> transmit(bytes.begin() + 40, bytes.end());
    EXPECT_EQ(transmit, (std::vector<std::uint8_t> {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0}));
    for (std::size_t i = 1; i < 40; ++i)
        EXPECT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(SntpPacketLayoutTest, DecodesFieldsFromTheirWirePositions)
{
    std::vector<std::uint8_t> bytes(48, 0);
    bytes[0] = 0xE4; // LI 3, version 4, mode 4
    bytes[1] = 7;
    bytes[2] = 0xFA; // poll -6
    const std::string rate = "RATE";
    std::copy(rate.begin(), rate.end(), bytes.begin() + 12);
    for (int i = 0; i < 8; ++i) {
        bytes[24 + i] = static_cast<std::uint8_t>(0x10 + i);
        bytes[32 + i] = static_cast<std::uint8_t>(0x20 + i);
        bytes[40 + i] = static_cast<std::uint8_t>(0x30 + i);
    }
    const auto packet = cmdtime::decodePacket(bytes);
    ASSERT_TRUE(packet);
    EXPECT_EQ(packet->leapIndicator, 3);
    EXPECT_EQ(packet->version, 4);
    EXPECT_EQ(packet->mode, 4);
    EXPECT_EQ(packet->stratum, 7);
    EXPECT_EQ(packet->poll, -6);
    EXPECT_EQ(std::string(packet->referenceId.begin(), packet->referenceId.end()), "RATE");
    EXPECT_EQ(packet->originate, (NtpTimestamp {0x10111213u, 0x14151617u}));
    EXPECT_EQ(packet->receive, (NtpTimestamp {0x20212223u, 0x24252627u}));
    EXPECT_EQ(packet->transmit, (NtpTimestamp {0x30313233u, 0x34353637u}));
}

SntpPacket goodReply()
{
    SntpPacket reply;
    reply.version = 4;
    reply.mode = 4;
    reply.stratum = 2;
    reply.originate = nonce;
    reply.receive = {3'900'000'000u, 1};
    reply.transmit = {3'900'000'000u, 2};
    return reply;
}

struct VerdictCase {
    const char* name;
    std::function<void(SntpPacket&)> change;
    ReplyProblem expected;
    const char* kissCode = "";
    std::size_t length = 48;
};

void PrintTo(const VerdictCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReplyVerdictTest : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(ReplyVerdictTest, JudgesTheReply)
{
    const VerdictCase& c = GetParam();
    SntpPacket reply = goodReply();
    c.change(reply);
    const auto encoded = cmdtime::encodePacket(reply);
    std::vector<std::uint8_t> datagram(encoded.begin(), encoded.end());
    datagram.resize(c.length, 0xAA);

    const cmdtime::ReplyVerdict verdict = cmdtime::checkReply(datagram, nonce);
    EXPECT_EQ(verdict.problem, c.expected);
    EXPECT_EQ(verdict.kissCode, c.kissCode);
}

void kiss(SntpPacket& p, const char (&code)[5])
{
    p.stratum = 0;
    p.leapIndicator = 3;
    std::copy(code, code + 4, p.referenceId.begin());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplyVerdictTest,
    ::testing::Values(
        VerdictCase {"Valid", [](SntpPacket&) {}, ReplyProblem::None},
        VerdictCase {"WithExtensionFields", [](SntpPacket&) {}, ReplyProblem::None, "", 68},
        VerdictCase {"Stratum1", [](SntpPacket& p) { p.stratum = 1; }, ReplyProblem::None},
        VerdictCase {"Stratum15", [](SntpPacket& p) { p.stratum = 15; }, ReplyProblem::None},
        VerdictCase {"LeapSecondAhead", [](SntpPacket& p) { p.leapIndicator = 1; }, ReplyProblem::None},
        VerdictCase {"Truncated", [](SntpPacket&) {}, ReplyProblem::TooShort, "", 47},
        VerdictCase {"Empty", [](SntpPacket&) {}, ReplyProblem::TooShort, "", 0},
        VerdictCase {"Version1", [](SntpPacket& p) { p.version = 1; }, ReplyProblem::None},
        VerdictCase {"Version0", [](SntpPacket& p) { p.version = 0; }, ReplyProblem::UnknownVersion},
        VerdictCase {"Version5", [](SntpPacket& p) { p.version = 5; }, ReplyProblem::UnknownVersion},
        VerdictCase {"OurRequestEchoed", [](SntpPacket& p) { p.mode = 3; }, ReplyProblem::NotFromServer},
        VerdictCase {"Broadcast", [](SntpPacket& p) { p.mode = 5; }, ReplyProblem::NotFromServer},
        VerdictCase {"OriginateMismatch", [](SntpPacket& p) { p.originate.fraction ^= 1; },
                     ReplyProblem::OriginateMismatch},
        VerdictCase {"KissRate", [](SntpPacket& p) { kiss(p, "RATE"); }, ReplyProblem::KissOfDeath, "RATE"},
        VerdictCase {"KissDeny", [](SntpPacket& p) { kiss(p, "DENY"); }, ReplyProblem::KissOfDeath, "DENY"},
        VerdictCase {"KissRstrWithoutTransmit",
                     [](SntpPacket& p) {
                         kiss(p, "RSTR");
                         p.transmit = {};
                     },
                     ReplyProblem::KissOfDeath, "RSTR"},
        // A forged kiss must not stop us: the originate check comes first.
        VerdictCase {"SpoofedKiss",
                     [](SntpPacket& p) {
                         kiss(p, "DENY");
                         p.originate = {};
                     },
                     ReplyProblem::OriginateMismatch},
        VerdictCase {"StratumZeroWithoutCode", [](SntpPacket& p) { p.stratum = 0; }, ReplyProblem::StratumZero},
        VerdictCase {"StratumZeroWithBinaryId",
                     [](SntpPacket& p) {
                         p.stratum = 0;
                         p.referenceId = {'\x7f', '\0', '\0', '\x01'};
                     },
                     ReplyProblem::StratumZero},
        VerdictCase {"Stratum16", [](SntpPacket& p) { p.stratum = 16; }, ReplyProblem::StratumTooHigh},
        VerdictCase {"Stratum255", [](SntpPacket& p) { p.stratum = 255; }, ReplyProblem::StratumTooHigh},
        VerdictCase {"LeapAlarm", [](SntpPacket& p) { p.leapIndicator = 3; }, ReplyProblem::Unsynchronised},
        VerdictCase {"ZeroTransmit", [](SntpPacket& p) { p.transmit = {}; }, ReplyProblem::ZeroTransmit},
        VerdictCase {"TransmitOnlyFraction",
                     [](SntpPacket& p) {
                         p.transmit = {0, 1};
                     },
                     ReplyProblem::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReplyProblemTextTest, NamesTheKissCode)
{
    SntpPacket reply = goodReply();
    kiss(reply, "RATE");
    const auto verdict = cmdtime::checkReply(cmdtime::encodePacket(reply), nonce);
    EXPECT_NE(cmdtime::describeProblem(verdict).find("Kiss-o'-Death RATE"), std::string::npos);
}

} // namespace
