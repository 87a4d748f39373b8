// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_sntp_server.h"

#include <array>
#include <stdexcept>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cmdtime::testing {

namespace {

int boundLoopbackSocket(const std::string& host, std::uint16_t* port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    socklen_t length = sizeof address;
    if (fd < 0 || ::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1
        || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot bind a UDP socket on " + host);
    if (port)
        *port = ntohs(address.sin_port);
    return fd;
}

void sendTo(int fd, const ClientRequest& request, std::span<const std::uint8_t> bytes)
{
    ::sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&request.from), sizeof request.from);
}

} // namespace

NtpTimestamp ClientRequest::transmit() const
{
    const auto packet = decodePacket(bytes);
    return packet ? packet->transmit : NtpTimestamp {};
}

FakeSntpServer::FakeSntpServer(Handler handler, std::string address)
    : address_(std::move(address)),
      socket_(boundLoopbackSocket(address_, &port_)),
      otherSocket_(boundLoopbackSocket(address_, nullptr)),
      handler_(std::move(handler)),
      thread_([this] { serve(); })
{
}

FakeSntpServer::~FakeSntpServer()
{
    stopping_ = true;
    thread_.join();
    ::close(socket_);
    ::close(otherSocket_);
}

std::string FakeSntpServer::endpoint() const
{
    return address_ + ":" + std::to_string(port_);
}

SocketAddress FakeSntpServer::socketAddress() const
{
    SocketAddress result;
    auto& address = reinterpret_cast<sockaddr_in&>(result.storage);
    address.sin_family = AF_INET;
    address.sin_port = htons(port_);
    ::inet_pton(AF_INET, address_.c_str(), &address.sin_addr);
    result.length = sizeof address;
    return result;
}

void FakeSntpServer::reply(const ClientRequest& request, std::span<const std::uint8_t> bytes)
{
    sendTo(socket_, request, bytes);
}

void FakeSntpServer::replyFromOtherPort(const ClientRequest& request, std::span<const std::uint8_t> bytes)
{
    sendTo(otherSocket_, request, bytes);
}

void FakeSntpServer::serve()
{
    std::array<std::uint8_t, 1024> buffer {};
    while (!stopping_) {
        // A short poll keeps shutdown prompt without a wake-up pipe.
        pollfd waitFor {socket_, POLLIN, 0};
        if (::poll(&waitFor, 1, 20) <= 0)
            continue;
        ClientRequest request;
        socklen_t length = sizeof request.from;
        const ssize_t received =
            ::recvfrom(socket_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&request.from), &length);
        if (received < 0)
            continue;
        request.bytes.assign(buffer.begin(), buffer.begin() + received);
        ++requestsSeen_;
        handler_(*this, request);
    }
}

SntpPacket answerTo(const ClientRequest& request, NtpTimestamp received, NtpTimestamp sent)
{
    SntpPacket answer;
    answer.leapIndicator = 0;
    answer.version = 4;
    answer.mode = static_cast<std::uint8_t>(SntpMode::Server);
    answer.stratum = 2;
    answer.referenceId = {'G', 'P', 'S', '\0'};
    answer.reference = received;
    answer.originate = request.transmit();
    answer.receive = received;
    answer.transmit = sent;
    return answer;
}

} // namespace cmdtime::testing
