// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host_resolver.h"
#include "ntp_time.h"
#include "sntp_packet.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include <netinet/in.h>

namespace cmdtime::testing {

struct ClientRequest {
    std::vector<std::uint8_t> bytes;
    sockaddr_in from {};

    NtpTimestamp transmit() const;
};

// An SNTP server on a loopback address (127.0.0.1 unless told; all of 127/8
// is this machine's) and a free UDP port, run on its own thread. Each request
// goes to the handler, which decides what (if anything) to send back.
class FakeSntpServer {
public:
    using Handler = std::function<void(FakeSntpServer& server, const ClientRequest& request)>;

    explicit FakeSntpServer(Handler handler, std::string address = "127.0.0.1");
    ~FakeSntpServer();
    FakeSntpServer(const FakeSntpServer&) = delete;
    FakeSntpServer& operator=(const FakeSntpServer&) = delete;

    std::uint16_t port() const { return port_; }
    std::string endpoint() const; // "127.0.0.1:PORT"
    SocketAddress socketAddress() const;
    int requestsSeen() const { return requestsSeen_; }

    void reply(const ClientRequest& request, std::span<const std::uint8_t> bytes);
    // The same bytes from a second socket: right address, wrong port.
    void replyFromOtherPort(const ClientRequest& request, std::span<const std::uint8_t> bytes);

private:
    void serve();

    std::string address_; // first two: the socket initialisers below use them
    std::uint16_t port_ = 0;
    int socket_ = -1;
    int otherSocket_ = -1;
    Handler handler_;
    std::atomic<bool> stopping_ {false};
    std::atomic<int> requestsSeen_ {0};
    std::thread thread_;
};

// A well-formed stratum-2 answer to the request with the given receive and
// transmit times.
SntpPacket answerTo(const ClientRequest& request, NtpTimestamp received, NtpTimestamp sent);

} // namespace cmdtime::testing
