// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host_resolver.h"
#include "ntp_time.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cmdtime {

// Reads the local wall clock as an NTP timestamp (T1 and T4 of the exchange).
using WallClock = std::function<NtpTimestamp()>;
NtpTimestamp systemWallClock();

struct SntpQuery {
    std::string host;
    std::uint16_t port = 123;
    // Bounds the whole exchange, name lookup included.
    std::chrono::milliseconds timeout {5000};
    WallClock wallClock = systemWallClock;
    BlockingResolver resolver = resolveWithSystem;
};

struct SntpResult {
    bool ok = false;
    std::chrono::nanoseconds offset {0}; // server minus local clock
    std::string failure;                 // without ok: one line, no program name
};

struct ServerAddresses {
    bool ok = false;
    std::vector<SocketAddress> addresses; // with ok: at least one, the first to ask first
    std::string failure;                  // without ok: one line, no program name
};

// Looks query.host up before the deadline; a numeric address is its own answer.
ServerAddresses findServer(const SntpQuery& query, std::chrono::steady_clock::time_point deadline);

// One request to one address, one answer: datagrams from any other address or
// port, and those from the server that fail the checks, are passed over until
// the deadline; only a Kiss-o'-Death carrying our nonce ends the wait early.
// Failures call the server by `name`.
SntpResult askServer(const SntpQuery& query, const SocketAddress& address, const std::string& name,
                     std::chrono::steady_clock::time_point deadline);

// findServer, then askServer of its first address, within query.timeout.
SntpResult querySntp(const SntpQuery& query);

} // namespace cmdtime
