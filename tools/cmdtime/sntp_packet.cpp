// SPDX-License-Identifier: GPL-3.0-or-later
#include "sntp_packet.h"

#include <algorithm>

namespace cmdtime {

namespace {

void putUint32(std::uint8_t* out, std::uint32_t value)
{
    out[0] = static_cast<std::uint8_t>(value >> 24);
    out[1] = static_cast<std::uint8_t>(value >> 16);
    out[2] = static_cast<std::uint8_t>(value >> 8);
    out[3] = static_cast<std::uint8_t>(value);
}

std::uint32_t getUint32(const std::uint8_t* in)
{
    return (std::uint32_t {in[0]} << 24) | (std::uint32_t {in[1]} << 16) | (std::uint32_t {in[2]} << 8)
        | std::uint32_t {in[3]};
}

void putTimestamp(std::uint8_t* out, NtpTimestamp timestamp)
{
    putUint32(out, timestamp.seconds);
    putUint32(out + 4, timestamp.fraction);
}

NtpTimestamp getTimestamp(const std::uint8_t* in)
{
    return {getUint32(in), getUint32(in + 4)};
}

// A Kiss-o'-Death code is four printable ASCII characters, possibly padded with
// NULs; anything else at stratum 0 is just an unsynchronised server.
std::optional<std::string> kissCode(const std::array<char, 4>& referenceId)
{
    const auto end = std::find(referenceId.begin(), referenceId.end(), '\0');
    if (end == referenceId.begin() || !std::all_of(end, referenceId.end(), [](char c) { return c == '\0'; }))
        return std::nullopt;
    if (!std::all_of(referenceId.begin(), end, [](char c) { return c > ' ' && c < 0x7F; }))
        return std::nullopt;
    return std::string(referenceId.begin(), end);
}

std::string kissMeaning(const std::string& code)
{
    if (code == "RATE")
        return " (polling too often)";
    if (code == "DENY" || code == "RSTR")
        return " (access refused)";
    return "";
}

} // namespace

std::array<std::uint8_t, sntpPacketSize> encodePacket(const SntpPacket& packet)
{
    std::array<std::uint8_t, sntpPacketSize> bytes {};
    bytes[0] = static_cast<std::uint8_t>(((packet.leapIndicator & 0x3) << 6) | ((packet.version & 0x7) << 3)
                                         | (packet.mode & 0x7));
    bytes[1] = packet.stratum;
    bytes[2] = static_cast<std::uint8_t>(packet.poll);
    bytes[3] = static_cast<std::uint8_t>(packet.precision);
    putUint32(&bytes[4], packet.rootDelay);
    putUint32(&bytes[8], packet.rootDispersion);
    std::copy(packet.referenceId.begin(), packet.referenceId.end(), &bytes[12]);
    putTimestamp(&bytes[16], packet.reference);
    putTimestamp(&bytes[24], packet.originate);
    putTimestamp(&bytes[32], packet.receive);
    putTimestamp(&bytes[40], packet.transmit);
    return bytes;
}

std::optional<SntpPacket> decodePacket(std::span<const std::uint8_t> datagram)
{
    if (datagram.size() < sntpPacketSize)
        return std::nullopt;
    const std::uint8_t* in = datagram.data();
    SntpPacket packet;
    packet.leapIndicator = in[0] >> 6;
    packet.version = (in[0] >> 3) & 0x7;
    packet.mode = in[0] & 0x7;
    packet.stratum = in[1];
    packet.poll = static_cast<std::int8_t>(in[2]);
    packet.precision = static_cast<std::int8_t>(in[3]);
    packet.rootDelay = getUint32(in + 4);
    packet.rootDispersion = getUint32(in + 8);
    std::copy(in + 12, in + 16, packet.referenceId.begin());
    packet.reference = getTimestamp(in + 16);
    packet.originate = getTimestamp(in + 24);
    packet.receive = getTimestamp(in + 32);
    packet.transmit = getTimestamp(in + 40);
    return packet;
}

SntpPacket makeRequest(NtpTimestamp transmitNonce)
{
    SntpPacket request;
    request.version = 4;
    request.mode = static_cast<std::uint8_t>(SntpMode::Client);
    request.transmit = transmitNonce;
    return request;
}

ReplyVerdict checkReply(std::span<const std::uint8_t> datagram, NtpTimestamp sentNonce)
{
    ReplyVerdict verdict;
    verdict.packet = decodePacket(datagram);
    if (!verdict.packet) {
        verdict.problem = ReplyProblem::TooShort;
        return verdict;
    }
    const SntpPacket& reply = *verdict.packet;
    // Versions 1 to 4 share the fields read here; 0 and 5 to 7 are not NTP as we know it.
    if (reply.version < 1 || reply.version > 4) {
        verdict.problem = ReplyProblem::UnknownVersion;
    } else if (reply.mode != static_cast<std::uint8_t>(SntpMode::Server)) {
        verdict.problem = ReplyProblem::NotFromServer;
    } else if (reply.originate != sentNonce) {
        // Checked before the kiss code: a forged KoD must not be able to stop us.
        verdict.problem = ReplyProblem::OriginateMismatch;
    } else if (reply.stratum == 0) {
        // Before the leap check: a KoD carries LI = 3 as well.
        if (auto code = kissCode(reply.referenceId)) {
            verdict.problem = ReplyProblem::KissOfDeath;
            verdict.kissCode = *code;
        } else {
            verdict.problem = ReplyProblem::StratumZero;
        }
    } else if (reply.stratum > 15) {
        verdict.problem = ReplyProblem::StratumTooHigh;
    } else if (reply.leapIndicator == 3) {
        verdict.problem = ReplyProblem::Unsynchronised;
    } else if (reply.transmit.isZero()) {
        verdict.problem = ReplyProblem::ZeroTransmit;
    }
    return verdict;
}

std::string describeProblem(const ReplyVerdict& verdict)
{
    switch (verdict.problem) {
    case ReplyProblem::None: return "none";
    case ReplyProblem::TooShort: return "shorter than 48 bytes";
    case ReplyProblem::UnknownVersion: return "unknown NTP version " + std::to_string(verdict.packet->version);
    case ReplyProblem::NotFromServer: return "not in server mode (mode " + std::to_string(verdict.packet->mode) + ")";
    case ReplyProblem::OriginateMismatch: return "originate timestamp does not match our request (spoofed or stale)";
    case ReplyProblem::KissOfDeath: return "Kiss-o'-Death " + verdict.kissCode + kissMeaning(verdict.kissCode);
    case ReplyProblem::StratumZero: return "server unsynchronised (stratum 0)";
    case ReplyProblem::StratumTooHigh: return "invalid stratum " + std::to_string(verdict.packet->stratum);
    case ReplyProblem::Unsynchronised: return "server unsynchronised (leap indicator 3)";
    case ReplyProblem::ZeroTransmit: return "transmit timestamp is zero";
    }
    return "unknown problem";
}

} // namespace cmdtime
