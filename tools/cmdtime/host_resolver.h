// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include <sys/socket.h>

namespace cmdtime {

struct SocketAddress {
    sockaddr_storage storage {};
    socklen_t length = 0;

    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&storage); }
    int family() const { return storage.ss_family; }
};

// Same family, address and port: the test for "is this datagram from our server".
bool sameEndpoint(const SocketAddress& a, const SocketAddress& b);

struct Resolution {
    enum class Status { Resolved, Failed, TimedOut };
    Status status = Status::Failed;
    SocketAddress address;
    std::string failure; // with Failed: the resolver's own words
};

// Resolves synchronously, as getaddrinfo does; may block for a long time.
using BlockingResolver = std::function<Resolution(const std::string& host, std::uint16_t port)>;

// getaddrinfo for UDP, taking an IPv4 address over an IPv6 one when both exist.
Resolution resolveWithSystem(const std::string& host, std::uint16_t port);

// Numeric addresses resolve at once; names go to the resolver on a thread of
// their own, abandoned (not cancelled: getaddrinfo cannot be) at the deadline.
Resolution resolveBefore(const std::string& host, std::uint16_t port, std::chrono::steady_clock::time_point deadline,
                         const BlockingResolver& resolver);

} // namespace cmdtime
