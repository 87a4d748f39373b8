// SPDX-License-Identifier: GPL-3.0-or-later
#include "kill_loop.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <random>

namespace {

// Sized for CI: a few hundred kills over thousands of saves, some seconds.
// bench/settings_kill_loop runs the same loop for as long as you like.
TEST(SettingsKillLoop, EveryFlushedSaveSurvivesSigkillAndTheFileStaysOneWholeVersion)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    faults::KillLoopOptions options;
    options.root = root.path();
    options.kills = 160;
    options.keyCount = 500;
    // A fixed seed, so a failure repeats; the bench program draws new ones.
    options.seed = 20261207;
    RecordProperty("seed", std::to_string(options.seed));

    const faults::KillLoopFigures figures = faults::runKillLoop(options);

    std::cout << "seed " << options.seed << ": " << figures.kills << " kills, " << figures.savesReported
              << " saves and " << figures.flushesReported << " flushes reported, " << figures.unflushedSavesGone
              << " unflushed saves taken by kills, " << figures.killsAfterAThreadWrite
              << " kills after a write of the store's thread, " << figures.unreportedSavesFound
              << " unreported saves found in the file, " << figures.leftoverTempFiles << " temporary files left, "
              << figures.keysInFile << " keys, " << figures.fileBytes << " bytes, " << figures.seconds << " s\n";
    EXPECT_TRUE(figures.held()) << figures.problems.join(u'\n').toStdString();
    EXPECT_EQ(figures.lostSaves, 0);
    EXPECT_EQ(figures.damagedFiles, 0);
    EXPECT_EQ(figures.badCopies, 0);
    EXPECT_EQ(figures.kills, options.kills);
    // The kills must have met the saver at work, not only at its start.
    EXPECT_GE(figures.savesReported, 1000u);
    EXPECT_LT(figures.killsBeforeAnySave, figures.kills / 2);
    // And the store's own thread at work, not only flushes.
    EXPECT_GE(figures.killsAfterAThreadWrite, 5);
}

} // namespace
