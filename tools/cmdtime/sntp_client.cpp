// SPDX-License-Identifier: GPL-3.0-or-later
#include "sntp_client.h"

#include "seconds_text.h"
#include "sntp_packet.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <random>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cmdtime {

namespace {

using SteadyClock = std::chrono::steady_clock;

class UdpSocket {
public:
    explicit UdpSocket(int family) : fd_(::socket(family, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}
    ~UdpSocket()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    int fd() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

// The transmit timestamp doubles as a nonce: a random value cannot be guessed
// by an off-path sender the way our own clock reading could.
NtpTimestamp randomNonce()
{
    std::random_device entropy;
    std::uniform_int_distribution<std::uint64_t> any(1);
    return NtpTimestamp::fromRaw(any(entropy));
}

SntpResult failed(std::string reason)
{
    SntpResult result;
    result.failure = std::move(reason);
    return result;
}

std::string systemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

} // namespace

NtpTimestamp systemWallClock()
{
    std::timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return toNtpTimestamp(now);
}

ServerAddresses findServer(const SntpQuery& query, SteadyClock::time_point deadline)
{
    Resolution server = resolveBefore(query.host, query.port, deadline, query.resolver);
    const std::string unresolved = "cannot resolve " + query.host;
    ServerAddresses found;
    if (server.status == Resolution::Status::TimedOut)
        found.failure = unresolved + " within " + formatDuration(query.timeout);
    else if (server.status == Resolution::Status::Failed)
        found.failure = unresolved + ": " + server.failure;
    else if (server.addresses.empty())
        found.failure = unresolved + ": no address";
    found.ok = found.failure.empty();
    found.addresses = std::move(server.addresses);
    return found;
}

SntpResult querySntp(const SntpQuery& query)
{
    const auto deadline = SteadyClock::now() + query.timeout;
    const ServerAddresses server = findServer(query, deadline);
    if (!server.ok)
        return failed(server.failure);
    return askServer(query, server.addresses.front(), query.host, deadline);
}

SntpResult askServer(const SntpQuery& query, const SocketAddress& address, const std::string& name,
                     SteadyClock::time_point deadline)
{
    const std::string noReply = "no reply from " + name + " within " + formatDuration(query.timeout);

    UdpSocket socket(address.family());
    if (!socket.valid())
        return failed(systemError("cannot open a UDP socket"));

    const NtpTimestamp nonce = randomNonce();
    const auto request = encodePacket(makeRequest(nonce));
    const NtpTimestamp requestSent = query.wallClock();
    if (::sendto(socket.fd(), request.data(), request.size(), 0, address.get(), address.length)
        != static_cast<ssize_t>(request.size()))
        return failed(systemError("cannot send to " + name));

    // Room for extension fields and a MAC, which we do not read.
    std::array<std::uint8_t, 1024> buffer {};
    // A datagram that fails the checks may be a forgery racing the real answer,
    // so it is only remembered, to say why nothing was taken by the deadline.
    std::string lastRejection;
    auto nothingTaken = [&] {
        if (lastRejection.empty())
            return failed(noReply);
        return failed("no valid reply within " + formatDuration(query.timeout) + "; " + lastRejection);
    };
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now());
        if (left.count() <= 0)
            return nothingTaken();
        pollfd waitFor {socket.fd(), POLLIN, 0};
        const int ready = ::poll(&waitFor, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            return failed(systemError("cannot wait for a reply"));
        if (ready == 0)
            return nothingTaken();

        SocketAddress sender;
        sender.length = sizeof sender.storage;
        const ssize_t received = ::recvfrom(socket.fd(), buffer.data(), buffer.size(), 0,
                                            reinterpret_cast<sockaddr*>(&sender.storage), &sender.length);
        const NtpTimestamp replyReceived = query.wallClock();
        if (received < 0) {
            // A stray ICMP error must not end the wait for the real answer.
            if (errno == EINTR || errno == EAGAIN || errno == ECONNREFUSED)
                continue;
            return failed(systemError("cannot receive from " + name));
        }
        if (!sameEndpoint(sender, address))
            continue;

        const ReplyVerdict verdict = checkReply(std::span(buffer.data(), static_cast<std::size_t>(received)), nonce);
        if (!verdict.accepted()) {
            const std::string rejection = "reply from " + name + " rejected: " + describeProblem(verdict);
            // A kiss code is checked only after our nonce matched: the server
            // itself asks us to stop, as RFC 4330 bids us obey at once.
            if (verdict.problem == ReplyProblem::KissOfDeath)
                return failed(rejection);
            lastRejection = rejection;
            continue;
        }

        SntpResult result;
        result.ok = true;
        result.offset = clockOffset(requestSent, verdict.packet->receive, verdict.packet->transmit, replyReceived);
        return result;
    }
}

} // namespace cmdtime
