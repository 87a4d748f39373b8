// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/widget_pieces.h"
#include "platform/real/canberra_sound.h"
#include "platform/real/qt_processes.h"

#include "log_capture.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>

#include <functional>

namespace {

QString joined(const QStringList &texts)
{
    return texts.join(QLatin1Char('\n'));
}

// Each failure the user is not shown, repeated the way the clock repeats it,
// gives one message in its area's category, naming what failed and why.
TEST(LoggedFailures, EachIsLoggedOnceInItsArea)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing"));
    struct Case {
        const char *name;
        QString category;
        std::function<void()> fail;
        QStringList mentions;
    };
    QLabel label;
    PicturePiece picture(label);
    platform::CanberraSound sound;
    platform::CanberraSound noLibrary(dir.filePath(QStringLiteral("libcanberra-gone.so.0")));
    platform::QtProcesses processes(dir.filePath(QStringLiteral("no-folder/horalux.lock")));
    const QList<Case> cases = {
        {"a scenery picture that is missing",
         QStringLiteral("horalux.window"),
         [&] {
             for (int zone = 0; zone < 3; ++zone)
                 picture.loadPicture(missing + QStringLiteral(".bmp"));
         },
         {missing + QStringLiteral(".bmp"), QStringLiteral("no such file")}},
        // Without a sound system here the message says so instead: still one.
        {"a sound that cannot play",
         QStringLiteral("horalux.desktop"),
         [&] {
             for (int click = 0; click < 3; ++click)
                 sound.playFile(missing + QStringLiteral(".wav"));
         },
         {}},
        // Loaded at the first sound: a library gone since is silence, said once.
        {"a sound library that cannot be loaded",
         QStringLiteral("horalux.desktop"),
         [&] {
             for (int click = 0; click < 3; ++click)
                 noLibrary.playFile(missing + QStringLiteral(".wav"));
         },
         {QStringLiteral("no sound"), QStringLiteral("libcanberra-gone.so.0")}},
        {"a lock folder that cannot be used",
         QStringLiteral("horalux.desktop"),
         [&] { EXPECT_FALSE(processes.previousInstanceRunning()); },
         {QStringLiteral("no-folder/horalux.lock")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        LogCapture log;
        c.fail();
        const QStringList logged = log.texts(c.category);
        ASSERT_EQ(logged.size(), 1) << joined(logged).toStdString();
        EXPECT_EQ(log.messages().size(), 1) << "nothing in other categories";
        for (const QString &mention : c.mentions)
            EXPECT_TRUE(logged.front().contains(mention)) << logged.front().toStdString();
    }
}

TEST(LoggedFailures, TheSoundLibraryIsFoundWhenItIsFirstNeeded)
{
    QTemporaryDir dir;
    platform::CanberraSound sound;
    LogCapture log;
    sound.playFile(dir.filePath(QStringLiteral("missing.wav")));
    const QStringList logged = log.texts(QStringLiteral("horalux.desktop"));
    ASSERT_EQ(logged.size(), 1);
    EXPECT_FALSE(logged.front().contains(QStringLiteral("libcanberra"))) << logged.front().toStdString();
}

TEST(LoggedFailures, AProgramThatCannotStartSaysWhy)
{
    QTemporaryDir dir;
    platform::QtProcesses processes(dir.filePath(QStringLiteral("horalux.lock")));
    EXPECT_FALSE(processes.start(dir.filePath(QStringLiteral("cmdtime")), {QStringLiteral("/P")},
                                 platform::Processes::Show::MinimisedWithoutFocus));
    EXPECT_TRUE(processes.startError().contains(QStringLiteral("No such file")))
        << processes.startError().toStdString();
    EXPECT_TRUE(processes.start(QStringLiteral("/bin/true"), {}, platform::Processes::Show::MinimisedWithoutFocus));
    EXPECT_TRUE(processes.startError().isEmpty());
}

} // namespace
