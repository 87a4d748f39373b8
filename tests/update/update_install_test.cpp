#include "update/update_install.h"

#include "engine/clock_state.h"
#include "platform/real/qt_event_pump.h"
#include "platform/real/qt_http.h"
#include "raw_http_server.h"
#include "update/download_dialog.h"
#include "update_test_support.h"

#include "fake_message_boxes.h"
#include "fake_platform.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using Icon = platform::MessageBoxes::Icon;

// Runs what it starts to its end, so a test sees what the program did;
// ending the clock's process throws ProcessEnded.
class RunningProcesses final : public platform::Processes {
public:
    bool start(const QString &program, const QStringList &arguments, Show show) override
    {
        started.push_back({0, program, arguments, show});
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForStarted())
            return false;
        process.waitForFinished();
        return true;
    }
    bool previousInstanceRunning() override { return false; }
    [[noreturn]] void endNow(int exitCode) override { throw ProcessEnded {exitCode}; }

    std::vector<StartedProgram> started;
};

class DownloadUpdateTest : public ::testing::Test {
protected:
    DownloadUpdateTest()
    {
        fake.desktop.folder = folder.path();
        install.closeSettingsDialog = [this] {
            ++settingsClosed;
            progressShownBeforeSettingsClosed = install.downloadForm() && install.downloadForm()->isVisible();
        };
    }
    QString updateScript() const
    {
        return QStringLiteral("#!/bin/sh\necho ran >> '%1'\n").arg(marker);
    }
    QStringList texts() const
    {
        QStringList all;
        for (const auto &box : messages.shown)
            all << box.text;
        return all;
    }
    // Runs downloadupdate; true when the clock's process ended.
    bool runDownloadUpdate()
    {
        try {
            install.downloadupdate();
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

    RawHttpServer server;
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    QString marker = elsewhere.filePath(QStringLiteral("ran"));
    FakePlatform fake;
    platform::QtEventPump events;
    SteppingTicks ticks;
    RunningProcesses processes;
    platform::Services services {fake.clock,    ticks,        events,  fake.timeZone, fake.settings,
                                 fake.registry, fake.desktop, fake.network, processes,     fake.sound};
    FakeMessageBoxes messages;
    ClockState state;
    platform::QtHttp inet {events};
    platform::QtHttp dialogInet {events};
    UpdateInstall install {services, messages, state, inet, dialogInet, server.base()};
    int settingsClosed = 0;
    bool progressShownBeforeSettingsClosed = false;
};

TEST_F(DownloadUpdateTest, SuccessRunsTheUpdateProgramAndEndsTheClock)
{
    server.stage(QStringLiteral("/updates/horaluxupdate.exe"), okReply(updateScript().toUtf8()));
    bool requestedAfterSettingsClosed = false;
    QObject::connect(&server, &RawHttpServer::requestReceived, &server,
                     [&] { requestedAfterSettingsClosed = settingsClosed == 1; });

    EXPECT_TRUE(runDownloadUpdate());
    EXPECT_TRUE(requestedAfterSettingsClosed);
    EXPECT_FALSE(progressShownBeforeSettingsClosed);
    EXPECT_EQ(markerText(), QByteArray("ran\n")) << "the update program ran, once";
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].program, folder.filePath(QStringLiteral("hupdate")));
    EXPECT_EQ(processes.started[0].show, platform::Processes::Show::NormalWithFocus);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Download successful! I will now run the update file."));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Download Successful!"));
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_TRUE(state.updating) << "the clock ends while updating";
}

TEST_F(DownloadUpdateTest, NoPartialOrUnwrittenProgramIsEverStarted)
{
    const QByteArray script = updateScript().toUtf8() + QByteArray(4000, '#');
    StagedReply shortBody = okReply(script);
    shortBody.body.truncate(script.size() / 2);
    StagedReply reset = okReply(script);
    reset.resetAfter = 2000;
    struct Case {
        const char *what;
        StagedReply reply;
        QString folder;
    };
    const Case cases[] = {
        {"404", statusReply(404, "Not Found"), folder.path()},
        {"short body", shortBody, folder.path()},
        {"reset", reset, folder.path()},
        {"program folder not writable", okReply(script), QStringLiteral("/nonexistent-folder/horalux")},
    };
    for (const Case &c : cases) {
        server.stage(QStringLiteral("/updates/horaluxupdate.exe"), c.reply);
        fake.desktop.folder = c.folder;
        messages.shown.clear();
        EXPECT_FALSE(runDownloadUpdate()) << c.what;
        EXPECT_TRUE(processes.started.empty()) << c.what;
        EXPECT_FALSE(state.updating) << c.what << ": the clock can be exited again";
        EXPECT_FALSE(QFile::exists(install.localFile())) << c.what;
        ASSERT_FALSE(messages.shown.empty()) << c.what;
        EXPECT_EQ(messages.shown.back().text, QStringLiteral("Download failed.")) << c.what;
        EXPECT_EQ(messages.shown.back().title, QStringLiteral("Download Failed")) << c.what;
        EXPECT_EQ(messages.shown.back().icon, Icon::Information) << c.what;
    }
    EXPECT_TRUE(markerText().isEmpty());

    messages.shown.clear();
    fake.desktop.folder = folder.path();
    server.stage(QStringLiteral("/updates/horaluxupdate.exe"), statusReply(404, "Not Found"));
    runDownloadUpdate();
    EXPECT_EQ(texts(), (QStringList {QStringLiteral("The file, ") + server.base()
                                         + QStringLiteral("/updates/horaluxupdate.exe was not found!"),
                                     QStringLiteral("Download failed!"), QStringLiteral("Download failed.")}));
}

TEST_F(DownloadUpdateTest, ABusyTransferControlRefusesAfterTheOldFileIsGone)
{
    StagedReply silent;
    silent.silent = true;
    server.stage(QStringLiteral("/versions.txt"), silent);
    inet.execute(server.base() + QStringLiteral("/versions.txt"), {}, {});
    QFile old(install.localFile());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();

    EXPECT_FALSE(runDownloadUpdate());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("I Can`t download right now, please try again in a couple of minutes!"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Sorry, I`m busy"));
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_FALSE(state.updating);
    EXPECT_FALSE(QFile::exists(install.localFile()));
    EXPECT_EQ(settingsClosed, 0);
    EXPECT_FALSE(server.requestedPaths.contains(QStringLiteral("/updates/horaluxupdate.exe")));
}

TEST_F(DownloadUpdateTest, ASecondRequestOnlyBringsTheRunningDownloadForward)
{
    StagedReply stalling = okReply(updateScript().toUtf8());
    stalling.stallAfter = 10;
    server.stage(QStringLiteral("/updates/horaluxupdate.exe"), stalling);
    QObject::connect(&server, &RawHttpServer::stalled, &server, [&] {
        install.Label8_Click(); // the settings dialog's link, while the download runs
        server.releaseStall();
    });

    EXPECT_TRUE(runDownloadUpdate());
    EXPECT_EQ(server.requestedPaths.size(), 1);
    EXPECT_EQ(settingsClosed, 1);
    EXPECT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(markerText(), QByteArray("ran\n"));
}

TEST_F(DownloadUpdateTest, TheProgramIsSavedInTheProgramFolder)
{
    for (const auto &[folderPath, expected] : {std::pair {"/", "/hupdate"}, {"/opt/horalux/", "/opt/horalux/hupdate"},
                                               {"/opt/horalux", "/opt/horalux/hupdate"}}) {
        fake.desktop.folder = QString::fromLatin1(folderPath);
        EXPECT_EQ(install.localFile(), QString::fromLatin1(expected));
    }
}

} // namespace
