// SPDX-License-Identifier: GPL-3.0-or-later
// Downloads a 30 MB file from a loopback server through the download dialog
// and with curl from the same server, and prints both throughputs, their
// ratio and the CPU the transfer and the dialog's updates cost per megabyte;
// then what loading the HTTP module costs the daily check, in fresh processes.
//
//   download_bench [--screenshot=PATH] [benchmark flags]

#include "platform/message_box.h"
#include "platform/real/lazy_http.h"
#include "platform/real/qt_event_pump.h"
#include "platform/real/system_clock.h"
#include "raw_http_server.h"
#include "update/download_dialog.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

constexpr qint64 kFileBytes = 30 * 1024 * 1024;
constexpr double kMegabytes = double(kFileBytes) / (1024 * 1024);

// Any message box during the run means the transfer failed.
class CountingMessageBoxes final : public platform::MessageBoxes {
public:
    Answer show(const QString &, const QString &, Icon, Buttons) override
    {
        ++shown;
        return Answer::Ok;
    }
    int shown = 0;
};

// The server on a thread of its own, so it serves the dialog and curl alike
// whatever the main thread is doing.
class ServerThread {
public:
    ServerThread()
    {
        m_server->stage(QStringLiteral("/file.bin"), okReply(patternBytes(kFileBytes)));
        StagedReply slow = okReply(patternBytes(2 * 1024 * 1024));
        slow.dripBytes = 64 * 1024;
        slow.dripEveryMs = 40;
        m_server->stage(QStringLiteral("/slow.bin"), slow);
        m_server->moveToThread(&m_thread);
        m_thread.start();
        bool listening = false;
        QMetaObject::invokeMethod(m_server, "listen", Qt::BlockingQueuedConnection, Q_RETURN_ARG(bool, listening));
        if (!listening)
            std::fprintf(stderr, "download_bench: the loopback server could not listen\n");
    }
    ~ServerThread()
    {
        QMetaObject::invokeMethod(
            m_server, [server = m_server] { delete server; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    QString url() const { return m_server->base() + QStringLiteral("/file.bin"); }
    QString slowUrl() const { return m_server->base() + QStringLiteral("/slow.bin"); }

private:
    QThread m_thread;
    RawHttpServer *m_server = new RawHttpServer(false);
};

double processCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Figures {
    double dialogBestMBps = 0;
    double curlBestMBps = 0;
    double dialogCpuMsPerMB = 1e9;
    double serverCpuMsPerMB = 1e9;
    double updatesPerMB = 0;
    double updateCpuUs = 0;
    bool curlFound = true;
};
Figures g_figures;
ServerThread *g_server = nullptr;

// A picture of the dialog half way through a slow transfer.
void saveScreenshot(const QString &path)
{
    QTemporaryDir folder;
    platform::QtEventPump events;
    platform::LazyHttp http(events, QStringLiteral(HORALUX_HTTP_MODULE));
    platform::MonotonicTickCounter ticks;
    CountingMessageBoxes messages;
    DownloadDialog form(http, messages, ticks, events);
    int updates = 0;
    QObject::connect(&form, &DownloadDialog::progressTextChanged, &form, [&](const QString &text) {
        if (text.startsWith(QLatin1String("Estimated")) && ++updates == 6)
            form.grab().save(path);
    });
    form.downloadFile(g_server->slowUrl(), folder.filePath(QStringLiteral("hupdate")), {}, {});
    std::printf("download_bench: %s\n",
                updates >= 6 ? qPrintable(QStringLiteral("dialog saved to ") + path)
                             : "the transfer was too quick for a picture");
}

void BM_DownloadFileThroughTheDialog(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString destination = folder.filePath(QStringLiteral("hupdate"));
    platform::QtEventPump events;
    platform::LazyHttp http(events, QStringLiteral(HORALUX_HTTP_MODULE));
    platform::MonotonicTickCounter ticks;
    CountingMessageBoxes messages;
    DownloadDialog form(http, messages, ticks, events);
    int updates = 0;
    QObject::connect(&form, &DownloadDialog::progressTextChanged, &form, [&](const QString &text) {
        if (text.startsWith(QLatin1String("Estimated")))
            ++updates;
    });

    for (auto _ : state) {
        updates = 0;
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        const bool whole = form.downloadFile(g_server->url(), destination, {}, {});
        const double seconds = double(wall.nsecsElapsed()) / 1e9;
        const double cpu = processCpuSeconds() - cpuBefore;
        if (!whole || messages.shown > 0 || QFileInfo(destination).size() != kFileBytes) {
            state.SkipWithError("the download failed");
            return;
        }
        g_figures.dialogBestMBps = std::max(g_figures.dialogBestMBps, kMegabytes / seconds);
        g_figures.dialogCpuMsPerMB = std::min(g_figures.dialogCpuMsPerMB, cpu * 1000 / kMegabytes);
        g_figures.updatesPerMB = updates / kMegabytes;
        state.SetIterationTime(seconds);
    }
    state.SetBytesProcessed(state.iterations() * kFileBytes);
}
BENCHMARK(BM_DownloadFileThroughTheDialog)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_DownloadWithCurl(benchmark::State &state)
{
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (curl.isEmpty()) {
        g_figures.curlFound = false;
        state.SkipWithError("curl is not installed (bench/download_bench.sh installs it)");
        return;
    }
    QTemporaryDir folder;
    const QString destination = folder.filePath(QStringLiteral("file.bin"));
    for (auto _ : state) {
        QProcess process;
        const double cpuBefore = processCpuSeconds(); // the server's share: curl is another process
        QElapsedTimer wall;
        wall.start();
        process.start(curl,
                      {QStringLiteral("--silent"), QStringLiteral("--fail"), QStringLiteral("--output"), destination,
                       g_server->url()});
        process.waitForFinished(-1);
        const double seconds = double(wall.nsecsElapsed()) / 1e9;
        if (process.exitCode() != 0 || QFileInfo(destination).size() != kFileBytes) {
            state.SkipWithError("curl failed");
            return;
        }
        g_figures.curlBestMBps = std::max(g_figures.curlBestMBps, kMegabytes / seconds);
        g_figures.serverCpuMsPerMB =
            std::min(g_figures.serverCpuMsPerMB, (processCpuSeconds() - cpuBefore) * 1000 / kMegabytes);
        state.SetIterationTime(seconds);
    }
    state.SetBytesProcessed(state.iterations() * kFileBytes);
}
BENCHMARK(BM_DownloadWithCurl)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// One progress step of the dialog as the transfer makes it: the texts, the
// bar, the caption, and the repaint that follows.
void BM_DialogProgressUpdate(benchmark::State &state)
{
    platform::QtEventPump events;
    platform::LazyHttp http(events, QStringLiteral(HORALUX_HTTP_MODULE));
    platform::MonotonicTickCounter ticks;
    CountingMessageBoxes messages;
    DownloadDialog form(http, messages, ticks, events);
    form.progressBar().setRange(0, 30720);
    form.show();
    QCoreApplication::processEvents();
    int step = 0;
    const double cpuBefore = processCpuSeconds();
    for (auto _ : state) {
        ++step;
        form.progressLabel().setText(QStringLiteral("Estimated Time Left: %1 sec (%2.0 MB of 30.0 MB copied)\n\n"
                                                    "Transfer Rate: 98,765.4 KB/Sec")
                                         .arg(step % 60)
                                         .arg(step % 30));
        form.progressBar().setValue(step % 30720);
        form.setWindowTitle(QStringLiteral("%1% of hupdate Completed").arg(step % 100));
        QCoreApplication::processEvents();
    }
    g_figures.updateCpuUs = (processCpuSeconds() - cpuBefore) * 1e6 / double(state.iterations());
}
BENCHMARK(BM_DialogProgressUpdate)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// kB of resident memory, from /proc/self/status.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// In a process of its own, as at the daily check: the first fetch of the
// version list through the lazily loaded module, then a second one. Prints
// both in microseconds and the resident growth of the first, in kB.
int timeModuleLoad()
{
    RawHttpServer server;
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:1.2.4:"));
    platform::QtEventPump events;
    platform::LazyHttp http(events, QStringLiteral(HORALUX_HTTP_MODULE));
    const QString url = server.base() + QStringLiteral("/versions.txt");
    const long before = residentKb();
    QElapsedTimer timer;
    timer.start();
    const bool first = http.openUrl(url, 65536).has_value();
    const qint64 firstUs = timer.nsecsElapsed() / 1000;
    const long after = residentKb();
    timer.restart();
    const bool second = http.openUrl(url, 65536).has_value();
    const qint64 secondUs = timer.nsecsElapsed() / 1000;
    if (!first || !second)
        return 1;
    std::printf("%lld %lld %ld\n", firstUs, secondUs, after - before);
    return 0;
}

void printModuleLoadFigures(const QString &self)
{
    std::vector<double> firsts;
    std::vector<double> seconds;
    std::vector<double> growths;
    for (int run = 0; run < 11; ++run) {
        QProcess child;
        child.start(self, {QStringLiteral("--time-module-load")});
        child.waitForFinished(-1);
        const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
        if (child.exitCode() != 0 || words.size() != 3) {
            std::printf("\nHTTP module load: FAILED\n");
            return;
        }
        firsts.push_back(words[0].toDouble() / 1000);
        seconds.push_back(words[1].toDouble() / 1000);
        growths.push_back(words[2].toDouble() / 1024);
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    std::printf("\nThe daily check's first fetch in a fresh process, which loads %s (median of 11):\n"
                "  first fetch %.1f ms, a second fetch %.1f ms: loading costs %.1f ms and %.1f MB resident\n",
                qPrintable(QFileInfo(QStringLiteral(HORALUX_HTTP_MODULE)).fileName()), median(firsts), median(seconds),
                median(firsts) - median(seconds), median(growths));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && QByteArray(argv[1]) == "--time-module-load") {
        QCoreApplication app(argc, argv);
        return timeModuleLoad();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<char *> args;
    QString screenshot;
    for (int i = 0; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--screenshot="))
            screenshot = QString::fromLocal8Bit(arg.mid(13));
        else
            args.push_back(argv[i]);
    }
    int count = int(args.size());
    QApplication app(count, args.data());
    ServerThread server;
    g_server = &server;

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    if (!screenshot.isEmpty())
        saveScreenshot(screenshot);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const Figures &f = g_figures;
    if (f.dialogBestMBps > 0) {
        std::printf("\nDownload of %.0f MB over loopback, best of the runs:\n", kMegabytes);
        std::printf("  through downloadFile: %8.1f MB/s\n", f.dialogBestMBps);
        if (f.curlBestMBps > 0)
            std::printf("  with curl:            %8.1f MB/s\n  ratio:                %8.2f (target >= 0.5)\n",
                        f.curlBestMBps, f.dialogBestMBps / f.curlBestMBps);
        else if (!f.curlFound)
            std::printf("  with curl:            not measured (curl missing)\n");
        std::printf("  CPU per MB during downloadFile: %.2f ms for the whole process", f.dialogCpuMsPerMB);
        if (f.curlBestMBps > 0)
            std::printf(", of which the loopback server's %.2f ms: %.2f ms for the download", f.serverCpuMsPerMB,
                        f.dialogCpuMsPerMB - f.serverCpuMsPerMB);
        std::printf("\n");
    }
    if (f.updateCpuUs > 0) {
        // The dialog redraws its progress at most ten times a second, so its
        // share per MB is largest on a slow line.
        std::printf("  dialog updates: %.0f us of CPU each, at most 10 a second: %.2f ms of CPU per second of\n"
                    "  transfer, so %.2f ms per MB at 1 MB/s (%.2f updates per MB in the runs above)\n",
                    f.updateCpuUs, f.updateCpuUs * 10 / 1000, f.updateCpuUs * 10 / 1000, f.updatesPerMB);
    }
    printModuleLoadFigures(QCoreApplication::applicationFilePath());
    return 0;
}
