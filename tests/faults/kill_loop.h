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
    // A third of the kills come at a random moment up to this long after the
    // start (the store opening, the first saves); a third a little after a
    // random number of reported saves; a third up to maxLateDelay after such
    // a number, when the saver may have paused and the store's thread writes.
    std::chrono::microseconds maxDelay {20'000};
    int maxReportsBeforeKill = 60;
    std::chrono::microseconds maxDelayAfterReports {2'000};
    std::chrono::microseconds maxLateDelay {150'000};
    int keptProblems = 20;
    std::function<void(int kills)> progress; // called after every kill, when set
};

struct KillLoopFigures {
    int kills = 0;
    quint64 savesReported = 0;      // returned and reported before the kill
    quint64 flushesReported = 0;    // flush() returned and reported before the kill
    quint64 unflushedSavesGone = 0; // reported saves after the last flush the kill took
    int killsAfterAThreadWrite = 0; // the file held saves of after the last flush
    int unreportedSavesFound = 0;   // killed after a save landed, before its report
    int killsBeforeAnySave = 0;
    int leftoverTempFiles = 0; // temporary files of interrupted saves
    quint64 fileBytes = 0;     // the file's size at the end
    int keysInFile = 0;
    double seconds = 0;

    int lostSaves = 0;        // flushed saves missing from the file or their value wrong
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

// A child process saves the numbered sequence through IniSettingsStore,
// flushes now and then, pauses now and then (as a drag ends), and reports each
// save and flush once it has returned; it is killed with SIGKILL at random
// moments. After every kill the file must read without damage and hold
// exactly the saves up to one number: no fewer than the last flush covered,
// at most one more than were reported.
KillLoopFigures runKillLoop(const KillLoopOptions &options);

} // namespace faults
