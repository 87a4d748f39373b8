// SPDX-License-Identifier: GPL-3.0-or-later
#include "host_resolver.h"

#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

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
    const addrinfo* chosen = found;
    for (const addrinfo* entry = found; entry; entry = entry->ai_next) {
        if (entry->ai_family == AF_INET) {
            chosen = entry;
            break;
        }
    }
    if (chosen && chosen->ai_addrlen <= sizeof result.address.storage) {
        std::memcpy(&result.address.storage, chosen->ai_addr, chosen->ai_addrlen);
        result.address.length = chosen->ai_addrlen;
        result.status = Resolution::Status::Resolved;
    } else {
        result.failure = "no usable address";
    }
    freeaddrinfo(found);
    return result;
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
