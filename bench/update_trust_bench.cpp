// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the update's safety measures:
//  - resident memory while the download dialog saves a 200 MB file from a
//    loopback server in another process, against the same process idle;
//  - the time and memory to check a 30 MB and a 200 MB program: its sealed
//    copy, SHA-256 and signed statement.
//
//   update_trust_bench [--megabytes=200] [--sign-script=PATH]

#include "http/curl_http.h"
#include "http/ed25519_check.h"
#include "platform/message_box.h"
#include "platform/real/qt_event_pump.h"
#include "platform/real/system_clock.h"
#include "update/download_dialog.h"
#include "update/verified_program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

class CountingMessageBoxes final : public platform::MessageBoxes {
public:
    Answer show(const QString &text, const QString &, Icon, Buttons) override
    {
        std::fprintf(stderr, "update_trust_bench: message box: %s\n", qPrintable(text));
        ++shown;
        return Answer::Ok;
    }
    int shown = 0;
};

// kB from /proc/self/status.
long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Starts the high-water mark afresh (Linux: 5 to clear_refs).
bool resetHighWaterMark()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

bool writePattern(const QString &path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qint64 written = 0; written < bytes; written += block.size()) {
        for (qsizetype i = 0; i < block.size(); ++i)
            block[i] = char((written + i) * 131 >> 3);
        if (file.write(block.constData(), qMin<qint64>(block.size(), bytes - written)) < 0)
            return false;
    }
    return true;
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

void verifyFigure(const QString &signScript, const QString &path, double megabytes)
{
    QProcess keygen;
    const QString key = path + QStringLiteral(".pem");
    QFile::remove(key);
    keygen.start(signScript, {QStringLiteral("keygen"), key});
    keygen.waitForFinished(60000);
    const QByteArray publicKey = QByteArray::fromBase64(keygen.readAllStandardOutput().trimmed());
    QProcess sign;
    sign.start(signScript, {QStringLiteral("sign"), key, path, QStringLiteral("2.0.0")});
    sign.waitForFinished(120000);
    QFile sigFile(path + QStringLiteral(".sig"));
    QFile program(path);
    if (publicKey.size() != 32 || !sigFile.open(QIODevice::ReadOnly) || !program.open(QIODevice::ReadOnly)) {
        std::printf("  verify %.0f MB: could not sign with %s\n", megabytes, qPrintable(signScript));
        return;
    }
    const QByteArray statement = sigFile.readAll();
    const platform::Ed25519Check check;
    const UpdateRules rules {
        {publicKey}, qint64(1) << 31, ProgramVersion {1, 0, 0}, QStringLiteral("2.0.0"), QString()};
    double best = 1e9;
    long peakGrowthKb = 0;
    for (int run = 0; run < 5; ++run) {
        resetHighWaterMark();
        const long before = statusKb("VmRSS:");
        QElapsedTimer timer;
        timer.start();
        const VerifiedProgram::Outcome outcome = VerifiedProgram::check(program.handle(), statement, rules, check);
        best = qMin(best, double(timer.nsecsElapsed()) / 1e6);
        peakGrowthKb = qMax(peakGrowthKb, statusKb("VmHWM:") - before);
        if (!outcome.program) {
            std::printf("  verify %.0f MB: failed: %s\n", megabytes, qPrintable(outcome.why));
            return;
        }
    }
    std::printf("  check %.0f MB (file in page cache; sealed copy, SHA-256, Ed25519 of the statement): best of 5 "
                "%.1f ms;\n    resident peak +%.1f MB (the copy is shared memory, read in blocks, never mapped)\n",
                megabytes, best, peakGrowthKb / 1024.0);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qint64 megabytes = 200;
    QString signScript = QStringLiteral(HORALUX_SIGN_SCRIPT);
    for (const QString &arg : QCoreApplication::arguments().mid(1)) {
        if (arg.startsWith(QLatin1String("--megabytes=")))
            megabytes = arg.mid(12).toLongLong();
        else if (arg.startsWith(QLatin1String("--sign-script=")))
            signScript = arg.mid(14);
    }
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("serve"));
    const QString served = folder.filePath(QStringLiteral("serve/big.bin"));
    if (!writePattern(served, megabytes << 20)) {
        std::fprintf(stderr, "update_trust_bench: cannot write %s\n", qPrintable(served));
        return 1;
    }

    // The server in a process of its own, so its memory is not counted.
    const quint16 port = freePort();
    QProcess server;
    server.start(QStringLiteral("python3"),
                 {QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("--bind"),
                  QStringLiteral("127.0.0.1"), QString::number(port), QStringLiteral("--directory"),
                  folder.filePath(QStringLiteral("serve"))});
    if (!server.waitForStarted()) {
        std::fprintf(stderr, "update_trust_bench: python3 is needed for the loopback server\n");
        return 1;
    }
    for (int tries = 0; tries < 300; ++tries) { // until its socket is up
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(100))
            break;
        QThread::msleep(100);
    }

    platform::QtEventPump events;
    platform::CurlHttp http(events);
    platform::MonotonicTickCounter ticks;
    CountingMessageBoxes messages;
    DownloadDialog form(http, messages, ticks, events);
    form.show();
    QCoreApplication::processEvents();
    form.hide();
    QCoreApplication::processEvents();

    const long idleKb = statusKb("VmRSS:");
    resetHighWaterMark();
    QElapsedTimer timer;
    timer.start();
    const QString destination = folder.filePath(QStringLiteral("hupdate"));
    const bool whole = form.downloadFile(QStringLiteral("http://127.0.0.1:%1/big.bin").arg(port), destination, {}, {});
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const long peakKb = statusKb("VmHWM:");
    server.kill();
    server.waitForFinished();

    std::printf("Download of %lld MB over loopback through the download dialog (server in another process):\n",
                megabytes);
    if (!whole || QFileInfo(destination).size() != (megabytes << 20)) {
        std::printf("  FAILED (%d message boxes)\n", messages.shown);
        return 1;
    }
    std::printf("  resident before: %.1f MB; high-water mark while downloading: %.1f MB; growth %.1f MB "
                "(target <= 16 MiB)\n  %.1f MB/s\n",
                idleKb / 1024.0, peakKb / 1024.0, (peakKb - idleKb) / 1024.0, double(megabytes) / seconds);

    std::printf("Signature check:\n");
    const QString thirty = folder.filePath(QStringLiteral("thirty.bin"));
    writePattern(thirty, 30 << 20);
    verifyFigure(signScript, thirty, 30);
    verifyFigure(signScript, destination, double(megabytes));
    return 0;
}
