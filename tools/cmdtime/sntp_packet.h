// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ntp_time.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace cmdtime {

inline constexpr std::size_t sntpPacketSize = 48;

enum class SntpMode : std::uint8_t { Client = 3, Server = 4 };

// The fixed 48-byte header of RFC 4330; extension fields and keys are ignored.
struct SntpPacket {
    std::uint8_t leapIndicator = 0; // 3 = alarm, server not synchronised
    std::uint8_t version = 4;
    std::uint8_t mode = 0;
    std::uint8_t stratum = 0;
    std::int8_t poll = 0;
    std::int8_t precision = 0;
    std::uint32_t rootDelay = 0;
    std::uint32_t rootDispersion = 0;
    std::array<char, 4> referenceId {}; // carries the Kiss-o'-Death code at stratum 0
    NtpTimestamp reference;
    NtpTimestamp originate;
    NtpTimestamp receive;
    NtpTimestamp transmit;
};

std::array<std::uint8_t, sntpPacketSize> encodePacket(const SntpPacket& packet);
// Empty when the datagram is shorter than the header.
std::optional<SntpPacket> decodePacket(std::span<const std::uint8_t> datagram);

// A client request whose transmit timestamp is the caller's nonce.
SntpPacket makeRequest(NtpTimestamp transmitNonce);

enum class ReplyProblem {
    None,
    TooShort,
    UnknownVersion,
    NotFromServer,
    OriginateMismatch,
    KissOfDeath,
    StratumZero,
    StratumTooHigh,
    Unsynchronised,
    ZeroTransmit,
};

struct ReplyVerdict {
    ReplyProblem problem = ReplyProblem::None;
    std::string kissCode; // set with ReplyProblem::KissOfDeath
    std::optional<SntpPacket> packet;

    bool accepted() const { return problem == ReplyProblem::None; }
};

// Checks a datagram from the server against the request that carried sentNonce.
ReplyVerdict checkReply(std::span<const std::uint8_t> datagram, NtpTimestamp sentNonce);

// Why a reply was rejected, as a phrase for "reply from HOST rejected: <phrase>".
std::string describeProblem(const ReplyVerdict& verdict);

} // namespace cmdtime
