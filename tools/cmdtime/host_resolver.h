// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

// Same machine as far as addresses tell, whatever the port: an IPv4-mapped
// IPv6 address is its IPv4 address.
bool sameHost(const SocketAddress& a, const SocketAddress& b);

// "192.0.2.1" or "2001:db8::1", for messages.
std::string addressText(const SocketAddress& address);

struct Resolution {
    enum class Status { Resolved, Failed, TimedOut };
    Status status = Status::Failed;
    std::vector<SocketAddress> addresses; // with Resolved: at least one, IPv4 first
    std::string failure;                  // with Failed: the resolver's own words
};

// Resolves synchronously, as getaddrinfo does; may block for a long time.
using BlockingResolver = std::function<Resolution(const std::string& host, std::uint16_t port)>;

// getaddrinfo for UDP: every address of the host once, IPv4 ones first.
Resolution resolveWithSystem(const std::string& host, std::uint16_t port);

// Numeric addresses resolve at once; names go to the resolver on a thread of
// their own, abandoned (not cancelled: getaddrinfo cannot be) at the deadline.
Resolution resolveBefore(const std::string& host, std::uint16_t port, std::chrono::steady_clock::time_point deadline,
                         const BlockingResolver& resolver);

} // namespace cmdtime
