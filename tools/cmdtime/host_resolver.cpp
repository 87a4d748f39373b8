// SPDX-License-Identifier: GPL-3.0-or-later
#include "host_resolver.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

namespace cmdtime {

namespace {

Resolution lookUp(const std::string& host, std::uint16_t port, int extraFlags)
{
    addrinfo hints {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_protocol = IPPROTO_UDP;
    hints.ai_flags = extraFlags;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    const int status = getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
    Resolution result;
    if (status != 0) {
        result.failure = gai_strerror(status);
        return result;
    }
    // IPv4 first: the first address is the one asked, and a machine may have
    // an IPv6 address without an IPv6 route.
    std::vector<SocketAddress> others;
    for (const addrinfo* entry = found; entry; entry = entry->ai_next) {
        if (entry->ai_addrlen > sizeof(sockaddr_storage))
            continue;
        SocketAddress address;
        std::memcpy(&address.storage, entry->ai_addr, entry->ai_addrlen);
        address.length = entry->ai_addrlen;
        auto alike = [&](const SocketAddress& known) { return sameHost(known, address); };
        if (std::ranges::any_of(result.addresses, alike) || std::ranges::any_of(others, alike))
            continue;
        (address.family() == AF_INET ? result.addresses : others).push_back(address);
    }
    result.addresses.insert(result.addresses.end(), others.begin(), others.end());
    if (result.addresses.empty())
        result.failure = "no usable address";
    else
        result.status = Resolution::Status::Resolved;
    freeaddrinfo(found);
    return result;
}

// The IPv4 address of an AF_INET or IPv4-mapped AF_INET6 address.
std::optional<in_addr_t> ipv4Of(const SocketAddress& address)
{
    if (address.family() == AF_INET)
        return reinterpret_cast<const sockaddr_in&>(address.storage).sin_addr.s_addr;
    if (address.family() == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address.storage).sin6_addr;
        if (IN6_IS_ADDR_V4MAPPED(&v6)) {
            in_addr_t v4;
            std::memcpy(&v4, v6.s6_addr + 12, sizeof v4);
            return v4;
        }
    }
    return std::nullopt;
}

// Shared by the waiting caller and the lookup thread, which may outlive the wait.
struct PendingLookup {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    Resolution result;
};

} // namespace

bool sameEndpoint(const SocketAddress& a, const SocketAddress& b)
{
    if (a.family() != b.family())
        return false;
    if (a.family() == AF_INET) {
        const auto& x = reinterpret_cast<const sockaddr_in&>(a.storage);
        const auto& y = reinterpret_cast<const sockaddr_in&>(b.storage);
        return x.sin_port == y.sin_port && x.sin_addr.s_addr == y.sin_addr.s_addr;
    }
    if (a.family() == AF_INET6) {
        const auto& x = reinterpret_cast<const sockaddr_in6&>(a.storage);
        const auto& y = reinterpret_cast<const sockaddr_in6&>(b.storage);
        return x.sin6_port == y.sin6_port && std::memcmp(&x.sin6_addr, &y.sin6_addr, sizeof x.sin6_addr) == 0;
    }
    return false;
}

bool sameHost(const SocketAddress& a, const SocketAddress& b)
{
    const auto v4a = ipv4Of(a);
    const auto v4b = ipv4Of(b);
    if (v4a || v4b)
        return v4a == v4b;
    if (a.family() != AF_INET6 || b.family() != AF_INET6)
        return false;
    const auto& x = reinterpret_cast<const sockaddr_in6&>(a.storage);
    const auto& y = reinterpret_cast<const sockaddr_in6&>(b.storage);
    // fe80::1 on one link is not fe80::1 on another.
    return x.sin6_scope_id == y.sin6_scope_id && std::memcmp(&x.sin6_addr, &y.sin6_addr, sizeof x.sin6_addr) == 0;
}

std::string addressText(const SocketAddress& address)
{
    char text[INET6_ADDRSTRLEN] = {};
    const void* bytes = nullptr;
    if (address.family() == AF_INET)
        bytes = &reinterpret_cast<const sockaddr_in&>(address.storage).sin_addr;
    else if (address.family() == AF_INET6)
        bytes = &reinterpret_cast<const sockaddr_in6&>(address.storage).sin6_addr;
    if (!bytes || !::inet_ntop(address.family(), bytes, text, sizeof text))
        return "an address of family " + std::to_string(address.family());
    return text;
}

Resolution resolveWithSystem(const std::string& host, std::uint16_t port)
{
    return lookUp(host, port, AI_ADDRCONFIG);
}

Resolution resolveBefore(const std::string& host, std::uint16_t port, std::chrono::steady_clock::time_point deadline,
                         const BlockingResolver& resolver)
{
    if (Resolution numeric = lookUp(host, port, AI_NUMERICHOST); numeric.status == Resolution::Status::Resolved)
        return numeric;

    auto pending = std::make_shared<PendingLookup>();
    std::thread([pending, resolver, host, port] {
        Resolution result = resolver(host, port);
        const std::lock_guard lock(pending->mutex);
        pending->result = std::move(result);
        pending->done = true;
        pending->finished.notify_all();
    }).detach();

    std::unique_lock lock(pending->mutex);
    if (!pending->finished.wait_until(lock, deadline, [&] { return pending->done; })) {
        Resolution timedOut;
        timedOut.status = Resolution::Status::TimedOut;
        return timedOut;
    }
    return pending->result;
}

} // namespace cmdtime
