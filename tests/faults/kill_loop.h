// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace faults {

struct KillLoopOptions {
    QString root; // the store's configuration root; the loop owns what is in it
    int kills = 200;
    int keyCount = 2000;
    quint64 seed = 1;
    // Half the kills come at a random moment up to this long after the start
    // (the store opening, the first saves); the other half a little after a
    // random number of reported saves.
    std::chrono::microseconds maxDelay {20'000};
    int maxReportsBeforeKill = 60;
    std::chrono::microseconds maxDelayAfterReports {2'000};
    int keptProblems = 20;
    std::function<void(int kills)> progress; // called after every kill, when set
};

struct KillLoopFigures {
    int kills = 0;
    quint64 savesReported = 0;    // returned and reported before the kill
    int unreportedSavesFound = 0; // killed after a save landed, before its report
    int killsBeforeAnySave = 0;
    int leftoverTempFiles = 0; // temporary files of interrupted saves
    quint64 fileBytes = 0;     // the file's size at the end
    int keysInFile = 0;
    double seconds = 0;

    int lostSaves = 0;        // reported saves missing from the file or their value wrong
    int damagedFiles = 0;     // unreadable lines, or content no prefix of the saves gives
    int badCopies = 0;        // <App>.ini.bad: the store took the file for damaged
    int strayFiles = 0;       // anything else beside the file
    int unexpectedEnds = 0;   // savers that ended otherwise than by the kill
    int misreportedSaves = 0; // reports out of sequence
    QStringList problems;     // the first few, in words

    bool held() const
    {
        return lostSaves == 0 && damagedFiles == 0 && badCopies == 0 && strayFiles == 0 && unexpectedEnds == 0
            && misreportedSaves == 0;
    }
};

// A child process saves the numbered sequence through IniSettingsStore and
// reports each save once it has returned; it is killed with SIGKILL at random
// moments. After every kill the file must read without damage and hold
// exactly the reported saves, plus at most the one that was under way.
KillLoopFigures runKillLoop(const KillLoopOptions &options);

} // namespace faults
