// SPDX-License-Identifier: GPL-3.0-or-later
// cmdtime's handling of a server's datagram, as its client does it: check the
// reply against the nonce we sent, work out the offset, print it.
// Input: the nonce (8 bytes), the time the reply came (8 bytes), the datagram.

#include "fuzz_check.h"
#include "ntp_time.h"
#include "seconds_text.h"
#include "sntp_packet.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

using namespace cmdtime;

namespace {

NtpTimestamp timestampAt(const uint8_t *bytes)
{
    std::uint64_t raw = 0;
    for (int i = 0; i < 8; ++i)
        raw = (raw << 8) | bytes[i];
    return NtpTimestamp::fromRaw(raw);
}

bool samePacket(const SntpPacket &a, const SntpPacket &b)
{
    return encodePacket(a) == encodePacket(b);
}

// formatOffset's text read back, in milliseconds.
long long millisecondsOf(const std::string &text)
{
    FUZZ_CHECK(text.size() >= 8 && (text[0] == '+' || text[0] == '-'));
    FUZZ_CHECK(text.compare(text.size() - 2, 2, " s") == 0);
    const size_t point = text.find('.');
    FUZZ_CHECK(point != std::string::npos && point + 4 == text.size() - 2);
    const long long whole = std::strtoll(text.c_str() + 1, nullptr, 10);
    const long long fraction = std::strtoll(text.c_str() + point + 1, nullptr, 10);
    const long long millis = whole * 1000 + fraction;
    return text[0] == '-' ? -millis : millis;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 16)
        return 0;
    const NtpTimestamp nonce = timestampAt(data);
    const NtpTimestamp replyReceived = timestampAt(data + 8);
    const std::span<const std::uint8_t> datagram(data + 16, size - 16);

    const ReplyVerdict verdict = checkReply(datagram, nonce);
    FUZZ_CHECK(!describeProblem(verdict).empty());
    FUZZ_CHECK(verdict.packet.has_value() == (datagram.size() >= sntpPacketSize));
    if (!verdict.packet) {
        FUZZ_CHECK(verdict.problem == ReplyProblem::TooShort);
        return 0;
    }
    const SntpPacket &reply = *verdict.packet;
    // Every bit of the header is kept: encoding gives the datagram's first 48 bytes.
    const auto encoded = encodePacket(reply);
    FUZZ_CHECK(std::equal(encoded.begin(), encoded.end(), datagram.begin()));
    FUZZ_CHECK(samePacket(*decodePacket(encoded), reply));

    if (verdict.problem == ReplyProblem::KissOfDeath) {
        FUZZ_CHECK(!verdict.kissCode.empty() && verdict.kissCode.size() <= 4);
        for (const char c : verdict.kissCode)
            FUZZ_CHECK(c > ' ' && c < 0x7f);
    }
    if (!verdict.accepted())
        return 0;
    FUZZ_CHECK(reply.mode == static_cast<std::uint8_t>(SntpMode::Server));
    FUZZ_CHECK(reply.originate == nonce);
    FUZZ_CHECK(reply.stratum >= 1 && reply.stratum <= 15);
    FUZZ_CHECK(reply.leapIndicator != 3);
    FUZZ_CHECK(!reply.transmit.isZero());

    // Whatever the server claims, the offset is computed without overflow and
    // printed to the millisecond.
    const std::chrono::nanoseconds offset = clockOffset(nonce, reply.receive, reply.transmit, replyReceived);
    const long long millis = millisecondsOf(formatOffset(offset));
    const long long nanos = offset.count();
    FUZZ_CHECK(std::llabs(millis * 1'000'000 - nanos) <= 500'000);
    return 0;
}
