// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/clock_state.h"
#include "http/curl_http.h"
#include "http/ed25519_check.h"
#include "platform/real/qt_event_pump.h"
#include "raw_http_server.h"
#include "update/download_dialog.h"
#include "update/update_install.h"
#include "update_signing.h"
#include "update_test_support.h"

#include "fake_message_boxes.h"
#include "fake_platform.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// Runs what it starts to its end, so a test sees what the program did;
// ending the clock's process throws ProcessEnded.
class RunningProcesses final : public platform::Processes {
public:
    bool start(const QString &program, const QStringList &arguments, Show show) override
    {
        started.push_back({0, program, arguments, show});
        if (onStart)
            onStart();
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForStarted())
            return false;
        process.waitForFinished();
        return true;
    }
    bool previousInstanceRunning() override { return false; }
    void onActivationRequest(std::function<void(const QByteArray &)>) override {}
    [[noreturn]] void endNow(int exitCode) override { throw ProcessEnded {exitCode}; }

    std::vector<StartedProgram> started;
    std::function<void()> onStart;
};

// The update's whole road against a staged server: download, signature,
// start. The update program is a script that notes each run in `marker`.
class UpdateInstallFixture : public ::testing::Test {
protected:
    static constexpr int kTimeoutMs = 3000; // a stalled test server is given up soon
    static constexpr ProgramVersion kRunning {1, 0, 9};

    UpdateInstallFixture()
    {
        fake.desktop.folder = programFolder.path();
        install.closeSettingsDialog = [this] {
            ++settingsClosed;
            progressShownBeforeSettingsClosed = install.downloadForm() && install.downloadForm()->isVisible();
        };
    }
    UpdateInstallSetup setupFor(const QString &server)
    {
        UpdatePolicy policy;
        policy.selfUpdate = true;
        policy.publicKeys = {signer.publicKey()};
        return UpdateInstallSetup {server, cache.path(), policy, kRunning};
    }
    QByteArray updateScript() const { return QStringLiteral("#!/bin/sh\necho ran >> '%1'\n").arg(marker).toUtf8(); }
    // The update program and its signature, as a publisher puts them up.
    void publish(const StagedReply &program, const QByteArray &signedBytes)
    {
        server.stage(QStringLiteral("/updates/horaluxupdate.exe"), program);
        server.stage(QStringLiteral("/updates/horaluxupdate.exe.sig"), okReply(signer.sign(signedBytes)));
    }
    void publish(const QByteArray &program) { publish(okReply(program), program); }
    QStringList texts() const
    {
        QStringList all;
        for (const auto &box : messages.shown)
            all << box.text;
        return all;
    }
    // Runs downloadUpdate for the version offered; true when the clock's process ended.
    bool runDownloadUpdate() { return runDownloadUpdate(install); }
    bool runDownloadUpdate(UpdateInstall &which, const QString &offered = QString::fromLatin1(TestSigner::kVersion))
    {
        try {
            which.downloadUpdate(offered);
        } catch (const ProcessEnded &ended) {
            EXPECT_EQ(ended.exitCode, 0);
            return true;
        }
        return false;
    }
    QByteArray markerText() const
    {
        QFile file(marker);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString savedFile() const { return cache.filePath(QStringLiteral("Horalux/hupdate")); }

    TestSigner signer;
    RawHttpServer server;
    QTemporaryDir programFolder;
    QTemporaryDir cache;
    QTemporaryDir elsewhere;
    QString marker = elsewhere.filePath(QStringLiteral("ran"));
    FakePlatform fake;
    platform::QtEventPump events;
    SteppingTicks ticks;
    RunningProcesses processes;
    platform::Services services {fake.clock,     ticks,        events,       fake.timeZone, fake.settings,
                                 fake.autostart, fake.desktop, fake.network, processes,     fake.sound};
    FakeMessageBoxes messages;
    ClockState state;
    platform::CurlHttp http {events, kTimeoutMs};
    platform::CurlHttp dialogHttp {events, kTimeoutMs};
    platform::Ed25519Check signatures;
    UpdateInstall install {services, messages, state, http, dialogHttp, signatures, setupFor(server.base())};
    int settingsClosed = 0;
    bool progressShownBeforeSettingsClosed = false;
};
