// SPDX-License-Identifier: GPL-3.0-or-later
#include "update_install_fixture.h"

#include "qt_printers.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

using Icon = platform::MessageBoxes::Icon;
using DownloadUpdateTest = UpdateInstallFixture;

TEST_F(DownloadUpdateTest, SuccessRunsTheUpdateProgramAndEndsTheClock)
{
    publish(updateScript());
    bool requestedAfterSettingsClosed = false;
    QObject::connect(&server, &RawHttpServer::requestReceived, &server,
                     [&] { requestedAfterSettingsClosed = settingsClosed == 1; });
    int flushesAtStart = -1;
    processes.onStart = [&] { flushesAtStart = fake.settings.flushes; };

    EXPECT_TRUE(runDownloadUpdate());
    EXPECT_EQ(flushesAtStart, 1) << "the settings are on disk before the update runs";
    EXPECT_TRUE(requestedAfterSettingsClosed);
    EXPECT_FALSE(progressShownBeforeSettingsClosed);
    EXPECT_EQ(markerText(), QByteArray("ran\n")) << "the update program ran, once";
    ASSERT_EQ(processes.started.size(), 1u);
    // Started through the descriptor its signature was checked on.
    EXPECT_TRUE(processes.started[0].program.startsWith(QStringLiteral("/proc/self/fd/")))
        << qPrintable(processes.started[0].program);
    EXPECT_EQ(processes.started[0].show, platform::Processes::Show::NormalWithFocus);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Download successful! I will now run the update file."));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Download Successful!"));
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_TRUE(state.updating) << "the clock ends while updating";
}

TEST_F(DownloadUpdateTest, NoPartialOrUnwrittenProgramIsEverStarted)
{
    const QByteArray script = updateScript() + QByteArray(4000, '#');
    server.stage(QStringLiteral("/updates/horaluxupdate.exe.sig"), okReply(signer.sign(script)));
    StagedReply shortBody = okReply(script);
    shortBody.body.truncate(script.size() / 2);
    StagedReply reset = okReply(script);
    reset.resetAfter = 2000;
    // A cache folder that cannot be made: a file stands where it would go.
    QTemporaryDir blocked;
    QFile blocker(blocked.filePath(QStringLiteral("Horalux")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    struct Case {
        const char *what;
        StagedReply reply;
        QString cacheRoot;
    };
    const Case cases[] = {
        {"404", statusReply(404, "Not Found"), cache.path()},
        {"short body", shortBody, cache.path()},
        {"reset", reset, cache.path()},
        {"cache folder not writable", okReply(script), blocked.path()},
    };
    for (const Case &c : cases) {
        server.stage(QStringLiteral("/updates/horaluxupdate.exe"), c.reply);
        UpdateInstallSetup setup = setupFor(server.base());
        setup.cacheRoot = c.cacheRoot;
        UpdateInstall other {services, messages, state, http, dialogHttp, signatures, setup};
        messages.shown.clear();
        EXPECT_FALSE(runDownloadUpdate(other)) << c.what;
        EXPECT_TRUE(processes.started.empty()) << c.what;
        EXPECT_FALSE(state.updating) << c.what << ": the clock can be exited again";
        EXPECT_FALSE(QFile::exists(savedFile())) << c.what;
        ASSERT_FALSE(messages.shown.empty()) << c.what;
        EXPECT_EQ(messages.shown.back().text, QStringLiteral("Download failed.")) << c.what;
        EXPECT_EQ(messages.shown.back().title, QStringLiteral("Download Failed")) << c.what;
        EXPECT_EQ(messages.shown.back().icon, Icon::Information) << c.what;
    }
    EXPECT_TRUE(markerText().isEmpty());
    EXPECT_EQ(QDir(blocked.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList {QStringLiteral("Horalux")});

    messages.shown.clear();
    server.stage(QStringLiteral("/updates/horaluxupdate.exe"), statusReply(404, "Not Found"));
    runDownloadUpdate();
    EXPECT_EQ(texts(),
              (QStringList {QStringLiteral("The file, ") + server.base()
                                + QStringLiteral("/updates/horaluxupdate.exe was not found!"),
                            QStringLiteral("Download failed!"), QStringLiteral("Download failed.")}));
}

TEST_F(DownloadUpdateTest, ABusyTransferControlRefusesAfterTheOldFileIsGone)
{
    StagedReply silent;
    silent.silent = true;
    server.stage(QStringLiteral("/versions.txt"), silent);
    http.execute(server.base() + QStringLiteral("/versions.txt"), {}, {}, 1024);
    QFile old(install.localFile());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    // Where versions before the private folder left theirs.
    QFile legacy(QDir(programFolder.path()).filePath(QStringLiteral("hupdate")));
    ASSERT_TRUE(legacy.open(QIODevice::WriteOnly));
    legacy.close();

    EXPECT_FALSE(runDownloadUpdate());
    EXPECT_FALSE(legacy.exists());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("I Can`t download right now, please try again in a couple of minutes!"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Sorry, I`m busy"));
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_FALSE(state.updating);
    EXPECT_FALSE(QFile::exists(install.localFile()));
    EXPECT_EQ(settingsClosed, 0);
    EXPECT_FALSE(server.requestedPaths.contains(QStringLiteral("/updates/horaluxupdate.exe")));
}

TEST_F(DownloadUpdateTest, ASecondRequestOnlyBringsTheRunningDownloadForward)
{
    StagedReply stalling = okReply(updateScript());
    stalling.stallAfter = 10;
    publish(stalling, updateScript());
    QObject::connect(&server, &RawHttpServer::stalled, &server, [&] {
        install.downloadUpdate(); // the settings dialog's link, while the download runs
        server.releaseStall();
    });

    EXPECT_TRUE(runDownloadUpdate());
    EXPECT_EQ(server.requestedPaths.count(QStringLiteral("/updates/horaluxupdate.exe")), 1);
    EXPECT_EQ(settingsClosed, 1);
    EXPECT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(markerText(), QByteArray("ran\n"));
}

TEST_F(DownloadUpdateTest, EveryBoxIsLookedUpWhenShown)
{
    const BracketTranslation brackets;
    StagedReply silent;
    silent.silent = true;
    server.stage(QStringLiteral("/versions.txt"), silent);
    http.execute(server.base() + QStringLiteral("/versions.txt"), {}, {}, 1024);
    runDownloadUpdate(); // busy
    http.cancel();
    publish(okReply(updateScript()), "other bytes");
    runDownloadUpdate(); // not trusted
    server.stage(QStringLiteral("/updates/horaluxupdate.exe"), statusReply(404, "Not Found"));
    runDownloadUpdate(); // failed
    UpdateInstallSetup withoutKeys = setupFor(server.base());
    withoutKeys.policy.publicKeys.clear();
    UpdateInstall packaged {services, messages, state, http, dialogHttp, signatures, withoutKeys};
    runDownloadUpdate(packaged); // offers the home page
    publish(updateScript());
    EXPECT_TRUE(runDownloadUpdate());

    QStringList titles;
    for (const auto &box : messages.shown) {
        titles << box.title;
        EXPECT_TRUE(isBracketed(box.text)) << box.text.toStdString();
    }
    EXPECT_EQ(titles,
              (QStringList {QStringLiteral("[Sorry, I`m busy]"), QStringLiteral("[Update Not Trusted]"),
                            QStringLiteral("[File Not Found]"), QStringLiteral("[Error Downloading File]"),
                            QStringLiteral("[Download Failed]"), QStringLiteral("[Updates]"),
                            QStringLiteral("[Download Successful!]")}));
}

TEST_F(DownloadUpdateTest, TheProgramIsSavedInAFolderOnlyTheUserCanEnter)
{
    EXPECT_EQ(install.localFile(), savedFile());
    QFileInfo folder(cache.filePath(QStringLiteral("Horalux")));
    EXPECT_TRUE(folder.isDir());
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(folder.filePath()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, ::geteuid());
}

} // namespace
