// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/lazy_http.h"
#include "platform/real/lazy_signature_check.h"
#include "platform/real/network_status.h"
#include "platform/real/qt_event_pump.h"

#include "qt_printers.h"
#include "raw_http_server.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

namespace {

TEST(LazyHttp, LoadsTheTransferControlOnlyAtTheFirstRequest)
{
    platform::QtEventPump events;
    RawHttpServer server;
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:1.2.4:"));
    platform::LazyHttp http(events, QStringLiteral(HORALUX_HTTP_MODULE));
    EXPECT_FALSE(http.isLoaded());
    EXPECT_FALSE(http.stillExecuting());

    const auto body = http.openUrl(server.base() + QStringLiteral("/versions.txt"), 1024);
    EXPECT_TRUE(http.isLoaded());
    ASSERT_TRUE(body.has_value());
    EXPECT_EQ(*body, QByteArray("horalux:1.2.4:"));
    EXPECT_EQ(http.responseCode(), 0);
}

TEST(LazyHttp, AMissingModuleFailsLikeAnUnreachableServer)
{
    platform::QtEventPump events;
    platform::LazyHttp http(events, QStringLiteral("/nonexistent/libhoralux_http.so"));
    EXPECT_FALSE(http.openUrl(QStringLiteral("http://127.0.0.1:9/versions.txt"), 1024).has_value());
    EXPECT_FALSE(http.isLoaded());

    http.execute(QStringLiteral("http://127.0.0.1:9/updates/horaluxupdate.exe"), QString(), QString(), 1024);
    EXPECT_FALSE(http.stillExecuting());
    EXPECT_EQ(http.status(), platform::Http::Unreached);
    EXPECT_NE(http.responseCode(), 0);
    EXPECT_TRUE(http.getChunk(1024).isEmpty());
    EXPECT_EQ(http.url(), QStringLiteral("http://127.0.0.1:9/updates/horaluxupdate.exe"));
    http.cancel();
}

TEST(LazySignatureCheck, AModuleThatCannotBeLoadedVerifiesNothing)
{
    // RFC 8032, section 7.1, test 1: a signature that verifies.
    const QByteArray key = QByteArray::fromHex("d75a980182b10ab7d54bfed3c964073a0ee172f3daa62325af021a68f707511a");
    const QByteArray signature = QByteArray::fromHex(
        "e5564300c360ac729086e2cc806e828a84877f1eb8e5d974d873e065224901555fb8821590a33bacc61e39701cf9b46bd25bf5f0595bbe24"
        "655141438e7a100b");
    const std::pair<QString, bool> cases[] = {
        {QStringLiteral(HORALUX_HTTP_MODULE), true},
        {QStringLiteral("/nonexistent/libhoralux_http.so"), false},
        {QStringLiteral("libc.so.6"), false}, // loads, but holds no check
        {QString(), false},
    };
    QFile self(QCoreApplication::applicationFilePath());
    ASSERT_TRUE(self.open(QIODevice::ReadOnly));
    for (const auto &[module, loads] : cases) {
        const platform::LazySignatureCheck check(module);
        EXPECT_EQ(check.sha256(self.handle()).has_value(), loads) << module.toStdString();
        EXPECT_EQ(check.verify(QByteArray(), signature, key), loads) << module.toStdString();
        EXPECT_EQ(check.isLoaded(), loads) << module.toStdString();
        EXPECT_FALSE(check.verify(QByteArray(1, '\0'), signature, key)) << module.toStdString();
    }
}

TEST(NetworkStatus, DefaultRoutesFromTheKernelTable)
{
    const QByteArray table = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
                             "eth0\t00000000\t0102A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
                             "eth0\t0002A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n"
                             "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
                             "docker0\t000011AC\t00000000\t0001\t0\t0\t0\t0000FFFF\t0\t0\t0\n";
    EXPECT_EQ(platform::NetworkStatus::interfacesWithDefaultRoute(table), QStringList({"eth0", "wlan0"}));
    EXPECT_TRUE(platform::NetworkStatus::interfacesWithDefaultRoute("Iface\tDestination\n").isEmpty());
    EXPECT_TRUE(platform::NetworkStatus::interfacesWithDefaultRoute(QByteArray()).isEmpty());
    EXPECT_TRUE(platform::NetworkStatus::interfacesWithDefaultRoute("garbage\n\x01\x02 00000000\n").isEmpty());
}

} // namespace
