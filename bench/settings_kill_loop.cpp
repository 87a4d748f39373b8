// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store's kill loop, as long as you like; prints its figures.
//   settings_kill_loop [--kills N] [--keys N] [--seed N] [--max-delay-us N] [--root DIR]
// Exits 1 when a flushed save was lost or a file damaged.

#include "kill_loop.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace {

quint64 numberOption(const QCommandLineParser &parser, const QString &name)
{
    bool ok = false;
    const quint64 value = parser.value(name).toULongLong(&ok);
    if (!ok) {
        std::fprintf(stderr, "settings_kill_loop: --%s wants a number\n", qPrintable(name));
        std::exit(2);
    }
    return value;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("SIGKILL a settings saver at random moments"));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("kills"), QStringLiteral("How many kills."), QStringLiteral("N"), QStringLiteral("2000")},
        {QStringLiteral("keys"), QStringLiteral("Names the saves spread over."), QStringLiteral("N"),
         QStringLiteral("2000")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the kill moments."), QStringLiteral("N")},
        {QStringLiteral("max-delay-us"), QStringLiteral("Latest timed kill after the start."), QStringLiteral("N"),
         QStringLiteral("20000")},
        {QStringLiteral("root"), QStringLiteral("Folder of the file (default: a fresh temporary one)."),
         QStringLiteral("DIR")},
    });
    parser.process(app);

    QTemporaryDir temporary;
    faults::KillLoopOptions options;
    options.root = parser.isSet(QStringLiteral("root")) ? parser.value(QStringLiteral("root")) : temporary.path();
    options.kills = int(numberOption(parser, QStringLiteral("kills")));
    options.keyCount = int(std::max<quint64>(1, numberOption(parser, QStringLiteral("keys"))));
    options.seed =
        parser.isSet(QStringLiteral("seed")) ? numberOption(parser, QStringLiteral("seed")) : std::random_device {}();
    options.maxDelay = std::chrono::microseconds(numberOption(parser, QStringLiteral("max-delay-us")));
    options.progress = [&options](int kills) {
        if (kills % 250 == 0)
            std::fprintf(stderr, "\r%d/%d kills", kills, options.kills);
    };

    std::printf("settings kill loop: root %s, seed %llu\n", qPrintable(options.root),
                static_cast<unsigned long long>(options.seed));
    const faults::KillLoopFigures f = faults::runKillLoop(options);
    std::fprintf(stderr, "\n");
    const auto row = [](const char *name, double value) { std::printf("  %-42s %12.0f\n", name, value); };
    row("kills", f.kills);
    row("saves reported before a kill", double(f.savesReported));
    row("flushes reported before a kill", double(f.flushesReported));
    row("unflushed saves a kill took (<= 0.5 s old)", double(f.unflushedSavesGone));
    row("kills after a write of the store's thread", f.killsAfterAThreadWrite);
    row("kills before any save returned", f.killsBeforeAnySave);
    row("unreported saves found in the file", f.unreportedSavesFound);
    row("temporary files left by kills", f.leftoverTempFiles);
    row("keys in the file at the end", f.keysInFile);
    row("file size at the end (bytes)", double(f.fileBytes));
    std::printf("  %-42s %12.1f\n", "seconds", f.seconds);
    std::printf("  %-42s %12.1f\n", "saves reported per second, whole loop", double(f.savesReported) / f.seconds);
    std::printf("failures found:\n");
    row("flushed saves lost", f.lostSaves);
    row("damaged files", f.damagedFiles);
    row(".bad copies made", f.badCopies);
    row("stray files", f.strayFiles);
    row("savers that ended by themselves", f.unexpectedEnds);
    row("reports out of sequence", f.misreportedSaves);
    for (const QString &problem : f.problems)
        std::printf("  %s\n", qPrintable(problem));
    std::printf("%s\n", f.held() ? "held" : "FAILED");
    return f.held() ? 0 : 1;
}
