// SPDX-License-Identifier: GPL-3.0-or-later
#include "update_install_fixture.h"

#include "log_capture.h"
#include "qt_printers.h"
#include "tunnel_proxy.h"

#include <QDir>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Outcome {
    Runs,           // downloaded, verified, started once; the clock ends
    Untrusted,      // downloaded, refused at the signature: one box, file gone
    DownloadFailed, // the transfer itself refused: the failure messages, nothing saved
};

class HostileServerTest : public UpdateInstallFixture {
protected:
    void expectOutcome(const char *what, Outcome outcome, bool ended)
    {
        const QStringList shown = texts();
        switch (outcome) {
        case Outcome::Runs:
            EXPECT_TRUE(ended) << what;
            EXPECT_EQ(markerText(), QByteArray("ran\n")) << what << ": the update program ran, once";
            EXPECT_EQ(processes.started.size(), 1u) << what;
            EXPECT_EQ(shown, QStringList {QStringLiteral("Download successful! I will now run the update file.")})
                << what;
            return;
        case Outcome::Untrusted:
            EXPECT_EQ(shown, QStringList {UpdateInstall::untrustedText()}) << what << ": one plain box";
            break;
        case Outcome::DownloadFailed:
            EXPECT_FALSE(shown.isEmpty()) << what;
            EXPECT_EQ(shown.value(shown.size() - 1), QStringLiteral("Download failed.")) << what;
            EXPECT_FALSE(shown.contains(UpdateInstall::untrustedText())) << what;
            break;
        }
        EXPECT_FALSE(ended) << what;
        EXPECT_TRUE(processes.started.empty()) << what;
        EXPECT_TRUE(markerText().isEmpty()) << what;
        EXPECT_FALSE(state.updating) << what;
        EXPECT_TRUE(QDir(cache.filePath(QStringLiteral("Horalux")))
                        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                        .isEmpty())
            << what << ": nothing left in the cache folder";
    }
    void reset()
    {
        messages.shown.clear();
        processes.started.clear();
        QFile::remove(marker);
    }
};

// The descriptors of this process that hold the update program: the saved
// file or its copy.
QStringList programDescriptors()
{
    QStringList found;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &name : fds.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds.filePath(name));
        if (target.contains(QLatin1String("/hupdate")) || target.contains(QLatin1String("memfd:horalux-update")))
            found << fds.filePath(name);
    }
    return found;
}

StagedReply withHead(QByteArray head, const QByteArray &body)
{
    return StagedReply {head, body};
}

// `bytes` as a gzip member, its deflate stream taken out of qCompress's zlib one.
QByteArray gzipped(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    const auto littleEndian = [](quint32 value) {
        const char bytes[] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
        return QByteArray(bytes, 4);
    };
    return QByteArray("\x1f\x8b\x08\0\0\0\0\0\0\x03", 10) + qCompress(bytes).mid(4 + 2).chopped(4) + littleEndian(~crc)
        + littleEndian(quint32(bytes.size()));
}

TEST_F(HostileServerTest, EveryHostileAnswerEndsWithoutRunningAnything)
{
    const QByteArray script = updateScript();
    const QByteArray program = "/updates/horaluxupdate.exe";
    RawHttpServer elsewhere;
    elsewhere.stage(QString::fromLatin1(program), okReply(script));
    elsewhere.stage(QString::fromLatin1(program + ".sig"), okReply(signer.sign(script)));
    TestSigner stranger;
    QByteArray noise(64, Qt::Uninitialized);
    for (char &byte : noise)
        byte = char(QRandomGenerator::global()->bounded(256));
    const QByteArray portal = "<html><body>Please log in to the hotel network</body></html>";
    const QByteArray bigLine = "X-Padding: " + QByteArray(1 << 20, 'a') + "\r\n";
    QByteArray manyLines;
    for (int i = 0; i < 1024; ++i)
        manyLines += "X-Padding-" + QByteArray::number(i) + ": " + QByteArray(1000, 'b') + "\r\n";
    const auto redirectTo = [](const QString &location) {
        return withHead("HTTP/1.1 302 Found\r\nLocation: " + location.toLatin1()
                            + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n",
                        QByteArray());
    };
    const QByteArray okHead = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
    const QByteArray length = "Content-Length: " + QByteArray::number(script.size()) + "\r\n";
    // A header block of `size` bytes, its empty line and every line end counted, over many lines.
    const auto headOfSize = [&](qsizetype size) {
        QByteArray head = okHead + length;
        for (int i = 0; size - 2 - head.size() > 1100; ++i)
            head += "X-Padding-" + QByteArray::number(i) + ": " + QByteArray(1000, 'b') + "\r\n";
        head += "X-Last: " + QByteArray(size - 2 - head.size() - 10, 'c') + "\r\n\r\n";
        EXPECT_EQ(head.size(), size);
        return head;
    };
    const auto dripped = [](StagedReply reply, bool headToo) {
        if (headToo)
            reply = StagedReply {QByteArray(), reply.head + reply.body};
        reply.dripBytes = 1;
        reply.dripEveryMs = 100; // every byte well within the time-out
        return reply;
    };
    const QByteArray gzip = gzipped(script); // libcurl would undo it, if asked to
    const QByteArray oneChunk = QByteArray::number(script.size(), 16) + "\r\n" + script + "\r\n";

    struct Row {
        const char *what;
        StagedReply program;
        std::optional<QByteArray> signature; // the .sig's body; nothing: 404
        Outcome outcome;
        qint64 maxBytes = 256 * 1024 * 1024;
        const char *offered = TestSigner::kVersion; // empty: the settings' link, no offer
    };
    const qint64 exactly = script.size();
    const QByteArray signedAs126 = signer.sign(script, QStringLiteral("1.2.6"));
    const QByteArray editedVersion = QByteArray(signer.sign(script)).replace("version 1.2.4", "version 1.2.6");
    const Row rows[] = {
        {"right signature", okReply(script), signer.sign(script), Outcome::Runs},
        {"right signature, chunked", chunkedReply(script), signer.sign(script), Outcome::Runs},
        {"unsigned", okReply(script), std::nullopt, Outcome::Untrusted},
        {"wrong signature", okReply(script), noise.toBase64() + "\n", Outcome::Untrusted},
        {"signature of another file", okReply(script), signer.sign("#!/bin/sh\necho other\n"), Outcome::Untrusted},
        {"signed by a key not built in", okReply(script), stranger.sign(script), Outcome::Untrusted},
        {"signature not base64", okReply(script), QByteArray("this is no signature\n"), Outcome::Untrusted},
        {"signature cut short", okReply(script), signer.sign(script).left(60) + "\n", Outcome::Untrusted},
        {"signature on two lines", okReply(script), signer.sign(script).insert(44, "\n"), Outcome::Untrusted},
        {"signature past its size", okReply(script), QByteArray(100000, 'A'), Outcome::Untrusted},
        {"HTML page with 200", okReply(portal), portal, Outcome::Untrusted},
        {"redirect to another port", redirectTo(elsewhere.base() + QString::fromLatin1(program)), std::nullopt,
         Outcome::DownloadFailed},
        {"redirect to another host",
         redirectTo(QStringLiteral("http://localhost:%1%2").arg(server.port()).arg(QString::fromLatin1(program))),
         std::nullopt, Outcome::DownloadFailed},
        {"two Content-Lengths", withHead(okHead + "Content-Length: 10\r\n" + length + "\r\n", script),
         signer.sign(script), Outcome::DownloadFailed},
        {"a length and chunked",
         withHead(okHead + length + "Transfer-Encoding: chunked\r\n\r\n", chunkedReply(script).body),
         signer.sign(script), Outcome::DownloadFailed},
        {"a length that is no number", withHead(okHead + "Content-Length: +12\r\n\r\n", script.left(12)),
         signer.sign(script.left(12)), Outcome::DownloadFailed},
        {"neither length nor chunked", okReply(script, false), signer.sign(script), Outcome::DownloadFailed},
        {"the signed program, gzipped",
         withHead(okHead + "Content-Encoding: gzip\r\nTransfer-Encoding: chunked\r\n\r\n", chunkedReply(gzip).body),
         signer.sign(script), Outcome::DownloadFailed},
        {"the signed program, gzipped, named in lower case",
         withHead(okHead + "content-encoding: gzip\r\nTransfer-Encoding: chunked\r\n\r\n", chunkedReply(gzip).body),
         signer.sign(script), Outcome::DownloadFailed},
        {"a transfer coding that ends in chunked",
         withHead(okHead + "Transfer-Encoding: gzip, chunked\r\n\r\n", chunkedReply(gzip).body), signer.sign(script),
         Outcome::DownloadFailed},
        {"announced length past the cap", okReply(script), signer.sign(script), Outcome::DownloadFailed, 40},
        {"chunked body past the cap", chunkedReply(script), signer.sign(script), Outcome::DownloadFailed, 40},
        {"exactly the cap", okReply(script), signer.sign(script), Outcome::Runs, exactly},
        {"exactly the cap, chunked", chunkedReply(script), signer.sign(script), Outcome::Runs, exactly},
        {"one byte past the cap", okReply(script), signer.sign(script), Outcome::DownloadFailed, exactly - 1},
        {"an older signed program offered as newer", okReply(script), signer.sign(script, QStringLiteral("1.0.5")),
         Outcome::Untrusted},
        {"signed as another newer version", okReply(script), signedAs126, Outcome::Untrusted},
        {"the offered version, written otherwise", okReply(script), signer.sign(script, QStringLiteral("1.2.4.0")),
         Outcome::Runs},
        {"the signed version edited", okReply(script), editedVersion, Outcome::Untrusted, exactly, "1.2.6"},
        {"from the link, signed as newer", okReply(script), signedAs126, Outcome::Runs, exactly, ""},
        {"from the link, signed as the running version", okReply(script), signer.sign(script, QStringLiteral("1.0.9")),
         Outcome::Untrusted, exactly, ""},
        {"from the link, signed as older", okReply(script), signer.sign(script, QStringLiteral("0.9.9")),
         Outcome::Untrusted, exactly, ""},
        {"1 MB header on one line", withHead(okHead + length + bigLine + "\r\n", script), signer.sign(script),
         Outcome::DownloadFailed},
        {"1 MB of header lines", withHead(okHead + length + manyLines + "\r\n", script), signer.sign(script),
         Outcome::DownloadFailed},
        {"header block of exactly 64 KiB", withHead(headOfSize(64 * 1024), script), signer.sign(script), Outcome::Runs},
        {"header block of 64 KiB and a byte", withHead(headOfSize(64 * 1024 + 1), script), signer.sign(script),
         Outcome::DownloadFailed},
        {"an empty chunk-size line",
         withHead(okHead + "Transfer-Encoding: chunked\r\n\r\n", oneChunk + "\r\n\r\n" + oneChunk + "0\r\n\r\n"),
         signer.sign(script), Outcome::DownloadFailed},
        {"body at a byte a tenth of a second", dripped(okReply(script), false), signer.sign(script),
         Outcome::DownloadFailed},
        {"header lines at a byte a tenth of a second", dripped(okReply(script), true), signer.sign(script),
         Outcome::DownloadFailed},
        {"103 before 200",
         withHead("HTTP/1.1 103 Early Hints\r\nLink: </style.css>; rel=preload\r\n\r\n" + okHead + length + "\r\n",
                  script),
         signer.sign(script), Outcome::Runs},
        {"100 and two 103s before 200",
         withHead("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 103 Early Hints\r\nLink: </a.css>\r\n\r\n"
                  "HTTP/1.1 103 Early Hints\r\nLink: </b.css>\r\n\r\n"
                      + okHead + length + "\r\n",
                  script),
         signer.sign(script), Outcome::Runs},
        {"101 before 200",
         withHead("HTTP/1.1 101 Switching Protocols\r\nUpgrade: h2c\r\n\r\n" + okHead + length + "\r\n", script),
         signer.sign(script), Outcome::DownloadFailed},
        {"status text holding HTML and a line separator",
         statusReply(500, "<a href=\"https://evil.invalid/\">Click here to repair</a>\xe2\x80\xa8Press Yes",
                     "<p>x</p>"),
         std::nullopt, Outcome::DownloadFailed},
    };

    for (const Row &row : rows) {
        reset();
        server.stage(QString::fromLatin1(program), row.program);
        if (row.signature)
            server.stage(QString::fromLatin1(program + ".sig"), okReply(*row.signature));
        else
            server.stage(QString::fromLatin1(program + ".sig"), statusReply(404, "Not Found"));
        UpdateInstallSetup setup = setupFor(server.base());
        setup.policy.maxBytes = row.maxBytes;
        UpdateInstall install {services, messages, state, http, dialogHttp, signatures, setup};
        const bool ended = runDownloadUpdate(install, QString::fromLatin1(row.offered));
        expectOutcome(row.what, row.outcome, ended);
    }
    EXPECT_TRUE(elsewhere.requestedPaths.isEmpty()) << "a redirect off the server is never followed";
    // The HTML status text reaches the box as it came, for the box to show as plain text; only
    // what could break or turn its lines is taken out.
    const QString box = texts().value(0);
    const QString served = box.section(QStringLiteral("\r\r"), 1).chopped(1);
    EXPECT_TRUE(served.contains(QStringLiteral("<a href=\"https://evil.invalid/\">"))) << qPrintable(box);
    EXPECT_TRUE(served.endsWith(QStringLiteral("Press Yes"))) << qPrintable(box);
    for (const QChar c : served) {
        const QChar::Category category = c.category();
        EXPECT_TRUE(category != QChar::Other_Control && category != QChar::Other_Format
                    && category != QChar::Separator_Line && category != QChar::Separator_Paragraph)
            << "U+" << std::hex << int(c.unicode());
    }
}

TEST_F(HostileServerTest, TheSettingsLinkTakesNothingOlderThanTheVersionList)
{
    const QByteArray script = updateScript();
    const QString yesterday = fake.clock.utcNow().addDays(-1).toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const QByteArray listed = signer.signList("horalux:99.1.2:\n", yesterday);
    struct Row {
        const char *what;
        std::optional<QByteArray> list; // nothing: 404
        const char *signedAs;
        Outcome outcome;
    };
    const Row rows[] = {
        {"an old signed release, newer than this one", listed, "1.0.10", Outcome::Untrusted},
        {"the listed release", listed, "99.1.2", Outcome::Runs},
        {"no list now: the one seen stands", std::nullopt, "1.0.10", Outcome::Untrusted},
    };
    for (const Row &row : rows) {
        reset();
        server.stage(QStringLiteral("/versions.txt"), row.list ? okReply(*row.list) : statusReply(404, "Not Found"));
        server.stage(QStringLiteral("/updates/horaluxupdate.exe"), okReply(script));
        server.stage(QStringLiteral("/updates/horaluxupdate.exe.sig"),
                     okReply(signer.sign(script, QString::fromLatin1(row.signedAs))));
        UpdateInstall fromLink {services, messages, state, http, dialogHttp, signatures, setupFor(server.base())};
        expectOutcome(row.what, row.outcome, runDownloadUpdate(fromLink, QString()));
    }
}

TEST_F(HostileServerTest, ABuildThatDoesNotUpdateItselfOnlyOffersTheHomePage)
{
    publish(updateScript());
    struct Row {
        const char *what;
        bool selfUpdate;
        QList<QByteArray> keys;
    };
    const Row rows[] = {
        {"self-update off", false, {signer.publicKey()}},
        {"no key built in", true, {}},
    };
    for (const Row &row : rows) {
        reset();
        UpdateInstallSetup setup = setupFor(server.base());
        setup.policy.selfUpdate = row.selfUpdate;
        setup.policy.publicKeys = row.keys;
        UpdateInstall install {services, messages, state, http, dialogHttp, signatures, setup};
        int homePageOpened = 0;
        install.openHomePage = [&] { ++homePageOpened; };
        for (const auto answer : {platform::MessageBoxes::Answer::No, platform::MessageBoxes::Answer::Yes}) {
            messages.answers = {answer};
            EXPECT_FALSE(runDownloadUpdate(install)) << row.what;
        }
        EXPECT_EQ(homePageOpened, 1) << row.what << ": only after a Yes";
        ASSERT_EQ(messages.shown.size(), 2u) << row.what;
        EXPECT_EQ(messages.shown[0].text, UpdateInstall::packageManagedText()) << row.what;
        EXPECT_EQ(messages.shown[0].buttons, platform::MessageBoxes::Buttons::YesNo) << row.what;
        EXPECT_FALSE(state.updating) << row.what;
        EXPECT_EQ(settingsClosed, 0) << row.what;
    }
    EXPECT_TRUE(server.requestedPaths.isEmpty()) << "nothing is downloaded";
    EXPECT_TRUE(processes.started.empty());
}

TEST_F(HostileServerTest, VerifiedBytesAreTheBytesStarted)
{
    // Whoever swaps the saved file once it is verified swaps a name, and
    // whoever rewrites what the clock holds finds it sealed: the program
    // starts from the very bytes that were checked.
    publish(updateScript());
    const QByteArray swapped = QByteArray(updateScript()).replace("echo ran", "echo bad"); // the same size
    int held = 0;
    int rewritten = 0;
    messages.whileShown = [&] {
        if (!messages.shown.back().text.startsWith(QLatin1String("Download successful!")))
            return;
        QFile::remove(savedFile());
        QFile replaced(savedFile());
        ASSERT_TRUE(replaced.open(QIODevice::WriteOnly));
        replaced.write(swapped);
        replaced.close();
        replaced.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const QString &path : programDescriptors()) {
            ++held;
            const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            // Each seal on its own: in place, shorter, longer.
            rewritten += ::pwrite(fd, swapped.constData(), size_t(swapped.size()), 0) == swapped.size();
            rewritten += ::ftruncate(fd, swapped.size() - 1) == 0;
            rewritten += ::ftruncate(fd, swapped.size() + 1) == 0;
            ::close(fd);
        }
    };
    EXPECT_TRUE(runDownloadUpdate());
    EXPECT_GT(held, 0) << "the clock holds the program it is about to start";
    EXPECT_EQ(rewritten, 0) << "and nobody can write into it";
    EXPECT_EQ(markerText(), QByteArray("ran\n"));
}

// The real check, looking at each call whether any copy of the update
// program this process holds could already be executed.
class ProbingCheck final : public platform::SignatureCheck {
public:
    bool verify(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey) const override
    {
        for (const QString &path : programDescriptors()) {
            ++held;
            struct stat info {};
            if (::stat(QFile::encodeName(path).constData(), &info) == 0 && (info.st_mode & 0111) != 0)
                ++executable;
            copied += QFile::symLinkTarget(path).contains(QLatin1String("memfd:"));
        }
        return m_real.verify(message, signature, publicKey);
    }
    std::optional<QByteArray> sha256(int fd) const override
    {
        ++hashed;
        return m_real.sha256(fd);
    }
    mutable int held = 0;
    mutable int executable = 0;
    mutable int copied = 0; // sealed copies held while a signature was checked
    mutable int hashed = 0;

private:
    platform::Ed25519Check m_real;
};

TEST_F(HostileServerTest, NothingIsExecutableBeforeItsSignatureIsChecked)
{
    publish(updateScript());
    ProbingCheck probe;
    UpdateInstall probed {services, messages, state, http, dialogHttp, probe, setupFor(server.base())};
    EXPECT_TRUE(runDownloadUpdate(probed));
    EXPECT_GT(probe.held, 0) << "the program is held while its signature is checked";
    EXPECT_EQ(probe.executable, 0);
    EXPECT_EQ(markerText(), QByteArray("ran\n"));
    EXPECT_EQ(probe.copied, 0) << "and not yet copied";

    // A stranger's statement, or ours for another version, is refused before the program is copied and hashed.
    TestSigner stranger;
    const QByteArray script = updateScript();
    for (const QByteArray &statement : {stranger.sign(script), signer.sign(script, QStringLiteral("1.2.5"))}) {
        reset();
        server.stage(QStringLiteral("/updates/horaluxupdate.exe.sig"), okReply(statement));
        probe.hashed = 0;
        probe.copied = 0;
        EXPECT_FALSE(runDownloadUpdate(probed));
        EXPECT_EQ(texts(), QStringList {UpdateInstall::untrustedText()});
        EXPECT_EQ(probe.hashed, 0);
        EXPECT_EQ(probe.copied, 0);
    }
}

TEST_F(HostileServerTest, APlantedLinkIsNeverWrittenThrough)
{
    // Another user's file (an autostart entry, say) that a link planted in
    // the cache folder points at.
    QTemporaryDir theirs;
    const QString target = theirs.filePath(QStringLiteral("autostart.desktop"));
    const QByteArray entry = "[Desktop Entry]\nExec=true\n";
    const QString folder = cache.filePath(QStringLiteral("Horalux"));
    struct Row {
        const char *what;
        mode_t folderMode;
        bool targetExists;
        bool isSigned;
    };
    const Row rows[] = {
        {"a dangling link in a folder others could write into", 0777, false, false},
        {"a dangling link in a sticky folder open to all", 01777, false, false},
        {"a link to a file, in a folder others could write into", 0777, true, false},
        {"a dangling link in a folder others could write into, signed program", 0777, false, true},
        {"a dangling link in a folder of ours", 0700, false, false},
        {"a link to a file, in a folder of ours", 0700, true, true},
    };
    for (const Row &row : rows) {
        reset();
        ASSERT_TRUE(QDir(cache.path()).removeRecursively() && QDir().mkpath(folder));
        QFile::remove(target);
        if (row.targetExists) {
            QFile file(target);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(entry) == entry.size());
        }
        ASSERT_TRUE(QFile::link(target, folder + QStringLiteral("/hupdate")));
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), row.folderMode), 0);
        publish(updateScript());
        if (!row.isSigned)
            server.stage(QStringLiteral("/updates/horaluxupdate.exe.sig"), statusReply(404, "Not Found"));
        LogCapture log;

        const bool ended = runDownloadUpdate();

        expectOutcome(row.what, row.isSigned ? Outcome::Runs : Outcome::Untrusted, ended);
        QFile file(target);
        EXPECT_EQ(file.exists(), row.targetExists) << row.what << ": nothing written through the link";
        if (row.targetExists) {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), entry) << row.what;
        }
        const QStringList aside = QDir(cache.path()).entryList({QStringLiteral("Horalux.untrusted-*")}, QDir::Dirs);
        if ((row.folderMode & 022) != 0) {
            ASSERT_EQ(aside.size(), 1) << row.what << ": the open folder was moved aside, not trusted";
            EXPECT_TRUE(QFileInfo(cache.filePath(aside[0] + QStringLiteral("/hupdate"))).isSymLink()) << row.what;
            EXPECT_EQ(log.texts(QStringLiteral("horalux.desktop")).size(), 1) << row.what;
        } else {
            EXPECT_TRUE(aside.isEmpty()) << row.what;
            EXPECT_FALSE(QFileInfo(folder + QStringLiteral("/hupdate")).isSymLink()) << row.what << ": the link went";
        }
    }
}

// A TLS server of python3's, with a CA made for the test.
class TlsServer {
public:
    // san: the names the certificate is for (its common name is 127.0.0.1).
    TlsServer(const QString &docroot, const QString &redirectBase, const QString &san = QStringLiteral("IP:127.0.0.1"))
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("python3"),
                        {QStringLiteral(HORALUX_TLS_SERVER), m_folder.path(), docroot, redirectBase, san});
        while (!m_process.canReadLine() && m_process.waitForReadyRead(60000)) {}
        if (m_process.canReadLine()) {
            const QList<QByteArray> words = m_process.readLine().trimmed().split(' ');
            m_port = words.value(0).toUShort();
            m_caFile = QString::fromLocal8Bit(words.value(1));
        }
    }
    ~TlsServer()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    QString base() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_port); }
    QString caFile() const { return m_caFile; }
    bool running() const { return m_port != 0; }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_caFile;
};

TEST_F(HostileServerTest, HttpsVerifiesTheServerAndIsNeverDowngraded)
{
    QTemporaryDir docroot;
    const QByteArray script = updateScript();
    ASSERT_TRUE(QDir(docroot.path()).mkpath(QStringLiteral("updates")));
    for (const auto &[name, content] : {std::pair {"updates/horaluxupdate.exe", script},
                                        std::pair {"updates/horaluxupdate.exe.sig", signer.sign(script)}}) {
        QFile file(docroot.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    publish(script); // the same program over plain http, where the redirect would lead
    TlsServer tls(docroot.path(), server.base());
    ASSERT_TRUE(tls.running());

    // The test CA is trusted the way OpenSSL's programs take one: through SSL_CERT_FILE.
    const QByteArray machine = qgetenv("SSL_CERT_FILE");
    const bool hadOne = qEnvironmentVariableIsSet("SSL_CERT_FILE");
    qputenv("SSL_CERT_FILE", QFile::encodeName(tls.caFile()));
    const auto restore = qScopeGuard([&] {
        if (hadOne)
            qputenv("SSL_CERT_FILE", machine);
        else
            qunsetenv("SSL_CERT_FILE");
    });

    reset();
    UpdateInstall overHttps {services, messages, state, http, dialogHttp, signatures, setupFor(tls.base())};
    expectOutcome("https with the right signature", Outcome::Runs, runDownloadUpdate(overHttps));

    reset();
    UpdateInstall downgraded {
        services, messages, state, http, dialogHttp, signatures, setupFor(tls.base() + QStringLiteral("/moved"))};
    EXPECT_FALSE(runDownloadUpdate(downgraded));
    expectOutcome("redirect from https to http", Outcome::DownloadFailed, false);
    EXPECT_TRUE(server.requestedPaths.isEmpty()) << "the plain http server was never asked";

    // Without the test CA nothing is fetched from a server that cannot be verified.
    qunsetenv("SSL_CERT_FILE");
    platform::CurlHttp http2 {events, kTimeoutMs};
    platform::CurlHttp dialogHttp2 {events, kTimeoutMs};
    reset();
    UpdateInstall untrusted {services, messages, state, http2, dialogHttp2, signatures, setupFor(tls.base())};
    EXPECT_FALSE(runDownloadUpdate(untrusted));
    expectOutcome("certificate of an unknown CA", Outcome::DownloadFailed, false);
    EXPECT_EQ(texts().value(0),
              QStringLiteral("Cannot establish connection.\r\rCheck your Internet connection and try again."));

    // The name is checked against the certificate's alternative names, not its common name.
    TlsServer misnamed(docroot.path(), server.base(), QStringLiteral("DNS:download.horalux.invalid"));
    ASSERT_TRUE(misnamed.running());
    qputenv("SSL_CERT_FILE", QFile::encodeName(misnamed.caFile()));
    reset();
    UpdateInstall wrongName {services, messages, state, http2, dialogHttp2, signatures, setupFor(misnamed.base())};
    EXPECT_FALSE(runDownloadUpdate(wrongName));
    expectOutcome("common name right, alternative name wrong", Outcome::DownloadFailed, false);
    EXPECT_EQ(texts().value(0),
              QStringLiteral("Cannot establish connection.\r\rCheck your Internet connection and try again."));

    // https_proxy: a tunnel, and TLS with the server inside it.
    qputenv("SSL_CERT_FILE", QFile::encodeName(tls.caFile()));
    TunnelProxy proxy;
    const QByteArray proxyWas = qgetenv("https_proxy");
    qputenv("https_proxy", "http://" + proxy.address().toLatin1());
    const auto direct = qScopeGuard([&] {
        if (proxyWas.isEmpty())
            qunsetenv("https_proxy");
        else
            qputenv("https_proxy", proxyWas);
    });
    reset();
    UpdateInstall proxied {services, messages, state, http, dialogHttp, signatures, setupFor(tls.base())};
    expectOutcome("https through a proxy", Outcome::Runs, runDownloadUpdate(proxied));
    ASSERT_FALSE(proxy.visits.isEmpty());
    EXPECT_EQ(proxy.visits[0].target, tls.base().mid(8).toLatin1());
}

} // namespace
