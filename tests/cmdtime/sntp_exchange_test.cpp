// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_sntp_server.h"
#include "scripted_times.h"
#include "sntp_client.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <future>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using namespace cmdtime;
using namespace cmdtime::testing;
using ::testing::HasSubstr;

namespace {

Resolution unexpectedLookup(const std::string& host, std::uint16_t)
{
    ADD_FAILURE() << "numeric address sent to the name resolver: " << host;
    return {};
}

SntpQuery queryTo(const FakeSntpServer& server, std::chrono::milliseconds timeout)
{
    SntpQuery query;
    query.host = "127.0.0.1";
    query.port = server.port();
    query.timeout = timeout;
    query.wallClock = scriptedWallClock();
    query.resolver = unexpectedLookup;
    return query;
}

void answerRight(FakeSntpServer& server, const ClientRequest& request)
{
    server.reply(request, encodePacket(answerTo(request, requestReceivedT2, replySentT3)));
}

TEST(SntpExchangeTest, RightAnswerGivesTheOffset)
{
    FakeSntpServer server(answerRight);
    const SntpResult result = querySntp(queryTo(server, 2s));
    ASSERT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(result.offset, scriptedOffset);
    EXPECT_EQ(server.requestsSeen(), 1);
}

TEST(SntpExchangeTest, EachRunUsesAFreshNonce)
{
    std::vector<NtpTimestamp> nonces;
    {
        FakeSntpServer server([&nonces](FakeSntpServer& s, const ClientRequest& request) {
            nonces.push_back(request.transmit());
            answerRight(s, request);
        });
        ASSERT_TRUE(querySntp(queryTo(server, 2s)).ok);
        ASSERT_TRUE(querySntp(queryTo(server, 2s)).ok);
    } // joins the server thread before we read what it saw
    ASSERT_EQ(nonces.size(), 2u);
    EXPECT_NE(nonces[0], nonces[1]);
    // Our clock reading would be guessable; the nonce must not be it.
    EXPECT_NE(nonces[0], requestSentT1);
}

TEST(SntpExchangeTest, TakesTheAnswerOnlyFromTheServersPort)
{
    FakeSntpServer server([](FakeSntpServer& s, const ClientRequest& request) {
        // A forger who saw the request: right nonce, wrong time, wrong port.
        SntpPacket forged = answerTo(request, {requestReceivedT2.seconds + 100, 0}, {replySentT3.seconds + 100, 0});
        s.replyFromOtherPort(request, encodePacket(forged));
        answerRight(s, request);
    });
    const SntpResult result = querySntp(queryTo(server, 2s));
    ASSERT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(result.offset, scriptedOffset);
}

TEST(SntpExchangeTest, SilentServerEndsAtTheDeadline)
{
    FakeSntpServer server([](FakeSntpServer&, const ClientRequest&) {});
    const SntpResult result = querySntp(queryTo(server, 200ms));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, "no reply from 127.0.0.1 within 0.2 s");
    EXPECT_EQ(server.requestsSeen(), 1);
}

TEST(SntpExchangeTest, LateAnswerAfterForeignDatagramsIsNotWaitedFor)
{
    std::promise<void> clientGaveUp;
    std::shared_future<void> gaveUp = clientGaveUp.get_future().share();
    FakeSntpServer server([gaveUp](FakeSntpServer& s, const ClientRequest& request) {
        const auto answer = encodePacket(answerTo(request, requestReceivedT2, replySentT3));
        // Stray datagrams must not push the deadline back; the bound only keeps
        // a client that waits for ever from hanging the test.
        const auto bound = std::chrono::steady_clock::now() + 3s;
        while (gaveUp.wait_for(5ms) == std::future_status::timeout && std::chrono::steady_clock::now() < bound)
            s.replyFromOtherPort(request, answer);
        s.reply(request, answer);
    });
    const SntpResult result = querySntp(queryTo(server, 200ms));
    clientGaveUp.set_value();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, "no reply from 127.0.0.1 within 0.2 s");
}

struct BadAnswerCase {
    const char* name;
    std::function<std::vector<std::uint8_t>(const ClientRequest&)> answer;
    const char* reason;
    bool endsAtOnce = false; // only a kiss code that answers our request
};

void PrintTo(const BadAnswerCase& c, std::ostream* os)
{
    *os << c.name;
}

class BadAnswerTest : public ::testing::TestWithParam<BadAnswerCase> {};

TEST_P(BadAnswerTest, EndsTheRunWithTheReason)
{
    const BadAnswerCase& c = GetParam();
    FakeSntpServer server(
        [&c](FakeSntpServer& s, const ClientRequest& request) { s.reply(request, c.answer(request)); });
    const SntpResult result = querySntp(queryTo(server, 300ms));
    EXPECT_FALSE(result.ok);
    EXPECT_THAT(result.failure, HasSubstr(std::string("reply from 127.0.0.1 rejected: ") + c.reason));
    if (!c.endsAtOnce) {
        EXPECT_THAT(result.failure, HasSubstr("no valid reply within 0.3 s; "));
    }
}

// The wrong datagram comes first from the server's own address and port, as a
// forger racing the server would send it; the right answer follows.
TEST_P(BadAnswerTest, TheRightAnswerThatFollowsIsStillTaken)
{
    const BadAnswerCase& c = GetParam();
    FakeSntpServer server([&c](FakeSntpServer& s, const ClientRequest& request) {
        s.reply(request, c.answer(request));
        std::this_thread::sleep_for(20ms); // lets the client read the two apart
        answerRight(s, request);
    });
    const auto started = std::chrono::steady_clock::now();
    const SntpResult result = querySntp(queryTo(server, 2s));
    const auto waited = std::chrono::steady_clock::now() - started;
    if (c.endsAtOnce) {
        EXPECT_FALSE(result.ok);
        EXPECT_THAT(result.failure, HasSubstr(c.reason));
        EXPECT_LT(waited, 1500ms) << "a kiss code ends the run without waiting for the deadline";
    } else {
        ASSERT_TRUE(result.ok) << result.failure;
        EXPECT_EQ(result.offset, scriptedOffset);
        EXPECT_LT(waited, 1500ms) << "the right answer ends the wait";
    }
}

std::vector<std::uint8_t> bytesOf(const SntpPacket& packet)
{
    const auto encoded = encodePacket(packet);
    return {encoded.begin(), encoded.end()};
}

SntpPacket rightAnswer(const ClientRequest& request)
{
    return answerTo(request, requestReceivedT2, replySentT3);
}

INSTANTIATE_TEST_SUITE_P(Cases, BadAnswerTest,
                         ::testing::Values(BadAnswerCase {"Spoofed",
                                                          [](const ClientRequest& request) {
                                                              SntpPacket answer = rightAnswer(request);
                                                              answer.originate = requestSentT1;
                                                              return bytesOf(answer);
                                                          },
                                                          "originate timestamp does not match"},
                                           BadAnswerCase {"Truncated",
                                                          [](const ClientRequest& request) {
                                                              auto bytes = bytesOf(rightAnswer(request));
                                                              bytes.resize(40);
                                                              return bytes;
                                                          },
                                                          "shorter than 48 bytes"},
                                           BadAnswerCase {"KissOfDeath",
                                                          [](const ClientRequest& request) {
                                                              SntpPacket answer = rightAnswer(request);
                                                              answer.stratum = 0;
                                                              answer.leapIndicator = 3;
                                                              answer.referenceId = {'R', 'A', 'T', 'E'};
                                                              return bytesOf(answer);
                                                          },
                                                          "Kiss-o'-Death RATE", true},
                                           BadAnswerCase {"NotAServerReply",
                                                          [](const ClientRequest& request) {
                                                              SntpPacket answer = rightAnswer(request);
                                                              answer.mode = static_cast<std::uint8_t>(SntpMode::Client);
                                                              return bytesOf(answer);
                                                          },
                                                          "not in server mode (mode 3)"},
                                           BadAnswerCase {"ZeroTransmit",
                                                          [](const ClientRequest& request) {
                                                              SntpPacket answer = rightAnswer(request);
                                                              answer.transmit = {};
                                                              return bytesOf(answer);
                                                          },
                                                          "transmit timestamp is zero"},
                                           BadAnswerCase {"StratumZero",
                                                          [](const ClientRequest& request) {
                                                              SntpPacket answer = rightAnswer(request);
                                                              answer.stratum = 0;
                                                              answer.referenceId = {};
                                                              return bytesOf(answer);
                                                          },
                                                          "server unsynchronised (stratum 0)"},
                                           BadAnswerCase {"Unsynchronised",
                                                          [](const ClientRequest& request) {
                                                              SntpPacket answer = rightAnswer(request);
                                                              answer.leapIndicator = 3;
                                                              return bytesOf(answer);
                                                          },
                                                          "server unsynchronised (leap indicator 3)"}),
                         [](const auto& info) { return std::string(info.param.name); });

Resolution resolvedTo(std::uint16_t port)
{
    Resolution resolution;
    resolution.status = Resolution::Status::Resolved;
    SocketAddress loopback;
    auto& address = reinterpret_cast<sockaddr_in&>(loopback.storage);
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    loopback.length = sizeof address;
    resolution.addresses = {loopback};
    return resolution;
}

TEST(SntpNameLookupTest, NameIsResolvedThenAsked)
{
    FakeSntpServer server(answerRight);
    SntpQuery query = queryTo(server, 2s);
    query.host = "ntp.test";
    query.resolver = [](const std::string& host, std::uint16_t port) {
        EXPECT_EQ(host, "ntp.test");
        return resolvedTo(port);
    };
    const SntpResult result = querySntp(query);
    ASSERT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(result.offset, scriptedOffset);
}

TEST(SntpNameLookupTest, FailedLookupNamesTheHost)
{
    SntpQuery query;
    query.host = "nowhere.test";
    query.timeout = 2s;
    query.resolver = [](const std::string&, std::uint16_t) {
        Resolution failed;
        failed.failure = "no such host";
        return failed;
    };
    const SntpResult result = querySntp(query);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, "cannot resolve nowhere.test: no such host");
}

TEST(SntpNameLookupTest, SlowLookupIsBoundedByTheDeadline)
{
    auto release = std::make_shared<std::promise<void>>();
    std::shared_future<void> released = release->get_future().share();
    SntpQuery query;
    query.host = "slow.test";
    query.timeout = 100ms;
    // Blocks like a resolver waiting on a dead DNS server, until the test ends.
    query.resolver = [released](const std::string&, std::uint16_t) {
        released.wait_for(5s);
        return resolvedTo(9);
    };
    const SntpResult result = querySntp(query);
    release->set_value();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, "cannot resolve slow.test within 0.1 s");
}

SocketAddress numeric(const std::string& host, std::uint16_t port = 123)
{
    const Resolution found = resolveBefore(host, port, std::chrono::steady_clock::now() + 1s, unexpectedLookup);
    EXPECT_EQ(found.addresses.size(), 1u) << host;
    return found.addresses.empty() ? SocketAddress {} : found.addresses.front();
}

// The test that keeps one server from confirming its own answer.
TEST(SntpNameLookupTest, SameHostWhateverThePortOrSpelling)
{
    EXPECT_TRUE(sameHost(numeric("127.0.0.1", 123), numeric("127.0.0.1", 124)));
    EXPECT_TRUE(sameHost(numeric("127.0.0.1"), numeric("::ffff:127.0.0.1")));
    EXPECT_TRUE(sameHost(numeric("::ffff:127.0.0.1"), numeric("127.0.0.1")));
    EXPECT_FALSE(sameHost(numeric("127.0.0.1"), numeric("127.0.0.2")));
    EXPECT_FALSE(sameHost(numeric("127.0.0.1"), numeric("::1")));
    EXPECT_FALSE(sameHost(numeric("fe80::1%1"), numeric("fe80::1%2")));
    EXPECT_EQ(addressText(numeric("::ffff:127.0.0.1")), "::ffff:127.0.0.1");
}

} // namespace
