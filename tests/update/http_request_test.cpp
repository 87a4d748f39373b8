// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/http_request.h"
#include "platform/real/http_response_reader.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace {

TEST(HttpRequest, AskesForTheTargetOnItsHostWithoutCompression)
{
    const QByteArray common = "User-Agent: Mozilla/5.0\r\nAccept-Encoding: identity\r\nConnection: close\r\n";
    const std::pair<const char *, QByteArray> cases[] = {
        {"http://127.0.0.1:8080/versions.txt", "GET /versions.txt HTTP/1.1\r\nHost: 127.0.0.1:8080\r\n"},
        {"https://Download.Example.test/updates/a%20b.exe?x=1",
         "GET /updates/a%20b.exe?x=1 HTTP/1.1\r\nHost: download.example.test\r\n"},
        {"https://h.test:443", "GET / HTTP/1.1\r\nHost: h.test\r\n"},
        {"http://h.test:443/", "GET / HTTP/1.1\r\nHost: h.test:443\r\n"},
        {"http://[::1]:81/x", "GET /x HTTP/1.1\r\nHost: [::1]:81\r\n"},
        // A line break in an address cannot start a header of its own.
        {"http://h.test/a\r\nX-Evil: 1", "GET /a%0D%0AX-Evil:%201 HTTP/1.1\r\nHost: h.test\r\n"},
    };
    for (const auto &[url, start] : cases)
        EXPECT_EQ(platform::httpGetRequest(QUrl(QString::fromLatin1(url))), start + common + "\r\n") << url;

    const QByteArray withCredentials =
        platform::httpGetRequest(QUrl(QStringLiteral("http://h.test/p")), platform::basicAuthorization("ann", "sé"));
    EXPECT_TRUE(withCredentials.endsWith("Authorization: Basic " + QByteArray("ann:sé").toBase64() + "\r\n\r\n"));
}

TEST(HttpRequest, RedirectsAndCredentialsStayWithinWhatWasAsked)
{
    const QUrl origin(QStringLiteral("https://dl.test/updates/x.exe"));
    const std::pair<const char *, bool> targets[] = {
        {"https://dl.test/elsewhere", true}, {"https://DL.test:443/x", true}, {"http://dl.test/x", false},
        {"https://dl.test:8443/x", false},   {"https://other.test/x", false}, {"https://dl.test.other.test/x", false},
    };
    for (const auto &[target, same] : targets)
        EXPECT_EQ(platform::isSameServer(origin, QUrl(QString::fromLatin1(target))), same) << target;

    const auto challenged = [](QByteArray value) {
        return platform::offersBasicAuthentication({{"WWW-Authenticate", value}});
    };
    EXPECT_TRUE(challenged("Basic realm=\"x\""));
    EXPECT_TRUE(challenged("Negotiate, basic realm=\"x\""));
    EXPECT_FALSE(challenged("Digest realm=\"x\", nonce=\"Basic\""));
    EXPECT_FALSE(challenged("Bearer"));
    EXPECT_FALSE(platform::offersBasicAuthentication({{"X-Auth", "Basic"}}));
}

} // namespace
