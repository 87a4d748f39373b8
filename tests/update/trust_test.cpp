// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/ed25519_check.h"
#include "posix/private_folder.h"
#include "update/legacy_update_program.h"
#include "update/update_policy.h"
#include "update/update_statement.h"
#include "update_signing.h"

#include "log_capture.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(Ed25519Check, VerifiesOnlyTheExactBytesUnderTheRightKey)
{
    // RFC 8032, section 7.1, test 1: the empty message.
    const QByteArray rfcKey = QByteArray::fromHex("d75a980182b10ab7d54bfed3c964073a0ee172f3daa62325af021a68f707511a");
    const QByteArray rfcSignature = QByteArray::fromHex(
        "e5564300c360ac729086e2cc806e828a84877f1eb8e5d974d873e065224901555fb8821590a33bacc61e39701cf9b46bd25bf5f0595bbe24"
        "655141438e7a100b");
    TestSigner signer;
    const std::optional<UpdateStatement> statement =
        UpdateStatement::fromSignatureFile(signer.sign("#!/bin/sh\necho update\n"));
    ASSERT_TRUE(statement.has_value());
    const QByteArray message = statement->signedText;
    const QByteArray signature = statement->signature;
    QByteArray flipped = signature;
    flipped[10] = char(flipped[10] ^ 0x01);
    QByteArray otherKey = signer.publicKey();
    otherKey[0] = char(otherKey[0] ^ 0x80);

    struct Case {
        const char *what;
        QByteArray message, signature, key;
        bool valid;
    };
    const Case cases[] = {
        {"RFC 8032 test 1", QByteArray(), rfcSignature, rfcKey, true},
        {"RFC 8032 test 1, one byte more", QByteArray(1, '\0'), rfcSignature, rfcKey, false},
        {"signed with the script", message, signature, signer.publicKey(), true},
        {"one byte of the message changed", QByteArray(message).replace("1.2.4", "1.2.5"), signature,
         signer.publicKey(), false},
        {"message cut short", message.chopped(1), signature, signer.publicKey(), false},
        {"one bit of the signature changed", message, flipped, signer.publicKey(), false},
        {"another key", message, signature, otherKey, false},
        {"signature of 63 bytes", message, signature.left(63), signer.publicKey(), false},
        {"key of 31 bytes", message, signature, signer.publicKey().left(31), false},
        {"no signature", message, QByteArray(), signer.publicKey(), false},
    };
    const platform::Ed25519Check check;
    for (const Case &c : cases)
        EXPECT_EQ(check.verify(c.message, c.signature, c.key), c.valid) << c.what;
}

TEST(Ed25519Check, HashesAWholeFileWithSha256)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("program")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const platform::Ed25519Check check;
    EXPECT_EQ(check.sha256(file.handle()),
              QByteArray::fromHex("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"));
    const QByteArray big = QByteArray(3 << 20, 'x') + "abc"; // past one block read
    ASSERT_EQ(file.write(big), big.size());
    ASSERT_TRUE(file.flush());
    EXPECT_EQ(check.sha256(file.handle()), QCryptographicHash::hash(big, QCryptographicHash::Sha256));
    EXPECT_FALSE(check.sha256(-1).has_value());
}

TEST(SignUpdateScript, PrintsTheKeyAsTheBuildTakesItAndSignsAPublicStatement)
{
    TestSigner signer;
    EXPECT_EQ(signer.publicKeyText().size(), 44);
    EXPECT_EQ(publicKeysFromText(QString::fromLatin1(signer.publicKeyText())), QList<QByteArray> {signer.publicKey()});
    int exitCode = 0;
    EXPECT_EQ(TestSigner::run({QStringLiteral("pubkey"), signer.keyFile()}, &exitCode).trimmed(),
              signer.publicKeyText());
    EXPECT_EQ(exitCode, 0);
    TestSigner::run({QStringLiteral("keygen"), signer.keyFile()}, &exitCode);
    EXPECT_NE(exitCode, 0) << "an existing key is never overwritten";
    EXPECT_EQ(TestSigner::run({QStringLiteral("pubkey"), signer.keyFile()}).trimmed(), signer.publicKeyText());
    QFile key(signer.keyFile());
    EXPECT_EQ(key.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions {});

    const QByteArray program = "#!/bin/sh\necho x\n";
    const QByteArray file = signer.sign(program, QStringLiteral("10.0.123456789.0"));
    EXPECT_EQ(file.left(file.indexOf("sha256")), "horalux-update-v1\nversion 10.0.123456789.0\n");
    const std::optional<UpdateStatement> statement = UpdateStatement::fromSignatureFile(file);
    ASSERT_TRUE(statement.has_value()) << file.constData();
    EXPECT_EQ(statement->version, QStringLiteral("10.0.123456789.0"));
    EXPECT_EQ(statement->sha256, QCryptographicHash::hash(program, QCryptographicHash::Sha256));
    EXPECT_TRUE(platform::Ed25519Check().verify(statement->signedText, statement->signature, signer.publicKey()));
    const QFile::Permissions everyoneReads = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    EXPECT_EQ(QFile(signer.lastSignatureFile()).permissions() & everyoneReads, everyoneReads)
        << "a web server running as another user serves it";

    for (const QString &version : {QStringLiteral("1.2.x"), QStringLiteral("1.2.3.4.5"), QStringLiteral("1234567890"),
                                   QStringLiteral("1.2\u2028"), QStringLiteral("1.2\n3"), QString()}) {
        TestSigner::run({QStringLiteral("sign"), signer.keyFile(), signer.keyFile(), version}, &exitCode);
        EXPECT_NE(exitCode, 0) << "no statement of a version the clock would not take: " << version.toStdString();
    }
    TestSigner::run({QStringLiteral("sign"), signer.keyFile(), signer.keyFile()}, &exitCode);
    EXPECT_NE(exitCode, 0) << "the version must be named";
}

TEST(UpdateStatement, OnlyTheExactFourLines)
{
    const QByteArray hash(64, 'a');
    const QByteArray signature = QByteArray(64, '\x5a').toBase64();
    const QByteArray head = "horalux-update-v1\nversion 1.2.4\nsha256 " + hash + "\n";
    const QByteArray whole = head + "signature " + signature + "\n";
    const std::pair<QByteArray, bool> cases[] = {
        {whole, true},
        {whole.chopped(1), true},
        {QByteArray(whole).replace("\n", "\r\n"), false},
        {QByteArray(whole).replace("horalux-update-v1", "otherclock-update-v1"), false},
        {QByteArray(whole).replace("version 1.2.4", "version 1.2.4 beta"), false},
        {QByteArray(whole).replace("version 1.2.4",
                                   "version \xe2\x80\xae"
                                   "1.2.4"),
         false},
        {QByteArray(whole).replace(hash, hash.left(62)), false},
        {QByteArray(whole).replace(hash, QByteArray(64, 'A')), false},
        {QByteArray(whole).replace(signature, signature.left(84)), false},
        {QByteArray(whole).replace(signature, QByteArray(signature).replace('W', '*')), false},
        {head, false},
        {"version 1.2.4\n" + whole, false},
        {QByteArray(), false},
    };
    for (const auto &[input, valid] : cases) {
        const std::optional<UpdateStatement> statement = UpdateStatement::fromSignatureFile(input);
        EXPECT_EQ(statement.has_value(), valid) << input.constData();
        if (statement) {
            EXPECT_EQ(statement->signedText, head);
            EXPECT_EQ(statement->version, QStringLiteral("1.2.4"));
            EXPECT_EQ(statement->sha256, QByteArray(32, '\xaa'));
            EXPECT_EQ(statement->signature, QByteArray(64, '\x5a'));
        }
    }
}

TEST(PublicKeys, OnlyWhole32ByteKeysCount)
{
    const QByteArray a(32, 'a');
    const QByteArray b(32, 'b');
    const QString aText = QString::fromLatin1(a.toBase64());
    const QString bText = QString::fromLatin1(b.toBase64());
    const std::pair<QString, QList<QByteArray>> cases[] = {
        {QString(), {}},
        {aText, {a}},
        {aText + QLatin1Char(',') + bText, {a, b}},
        {QStringLiteral(" ") + aText + QStringLiteral(" , ") + bText + QStringLiteral(","), {a, b}},
        {QString::fromLatin1(QByteArray(31, 'a').toBase64()), {}},
        {QStringLiteral("not base64 at all"), {}},
    };
    for (const auto &[text, keys] : cases)
        EXPECT_EQ(publicKeysFromText(text), keys) << qPrintable(text);
}

struct FolderState {
    bool exists = false;
    bool isLink = false;
    ino_t inode = 0;
    uid_t owner = 0;
    mode_t mode = 0;
};

FolderState stateOf(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, S_ISLNK(info.st_mode), info.st_ino, info.st_uid, info.st_mode & 07777};
}

// The folders beside path that it was moved aside to.
QStringList movedAside(const QString &path)
{
    const QFileInfo info(path);
    return QDir(info.path())
        .entryList({info.fileName() + QStringLiteral(".untrusted-*")}, QDir::AllEntries | QDir::Hidden | QDir::System);
}

TEST(PrivateFolder, OnlyAFolderNoOneElseCouldWriteIntoIsTaken)
{
    enum class Expect { Made, Kept, MovedAside, Refused }; // Kept: narrowed to 0700 where needed
    struct Case {
        const char *what;
        std::function<bool(const QString &folder, const QString &elsewhere)> scene;
        Expect expect;
        bool needsRoot = false;
    };
    const auto ownFolder = [](mode_t mode) {
        return [mode](const QString &folder, const QString &) {
            return QDir().mkpath(folder) && ::chmod(QFile::encodeName(folder).constData(), mode) == 0;
        };
    };
    const auto withPlantedLink = [](mode_t mode) {
        return [mode](const QString &folder, const QString &elsewhere) {
            return QDir().mkpath(folder)
                && QFile::link(elsewhere + QStringLiteral("/autostart.desktop"), folder + QStringLiteral("/hupdate"))
                && ::chmod(QFile::encodeName(folder).constData(), mode) == 0;
        };
    };
    const Case cases[] = {
        {"missing", [](const QString &, const QString &) { return true; }, Expect::Made},
        {"ours, 0700", ownFolder(0700), Expect::Kept},
        {"ours, others may read", ownFolder(0755), Expect::Kept},
        {"ours, others may write", withPlantedLink(0777), Expect::MovedAside},
        {"ours, group may write", ownFolder(0770), Expect::MovedAside},
        {"ours, sticky and open to all", withPlantedLink(01777), Expect::MovedAside},
        {"a link to a folder of ours",
         [](const QString &folder, const QString &elsewhere) { return QFile::link(elsewhere, folder); },
         Expect::Refused},
        {"a file",
         [](const QString &folder, const QString &) {
             QFile file(folder);
             return file.open(QIODevice::WriteOnly);
         },
         Expect::Refused},
        {"another user's, 0700",
         [](const QString &folder, const QString &) {
             return QDir().mkpath(folder) && ::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0;
         },
         Expect::MovedAside, true},
    };
    for (const Case &c : cases) {
        if (c.needsRoot && ::geteuid() != 0)
            continue; // only root can give a folder away
        QTemporaryDir root;
        QTemporaryDir elsewhere;
        const QString folder = root.filePath(QStringLiteral("Horalux"));
        ASSERT_TRUE(c.scene(folder, elsewhere.path())) << c.what;
        const FolderState before = stateOf(folder);
        LogCapture log;

        QString problem;
        const posix::PrivateFolder opened = posix::PrivateFolder::open(folder, &problem);

        const FolderState after = stateOf(folder);
        EXPECT_EQ(opened.isOpen(), c.expect != Expect::Refused) << c.what << ": " << problem.toStdString();
        EXPECT_EQ(problem.isEmpty(), c.expect != Expect::Refused) << c.what;
        if (opened.isOpen()) {
            EXPECT_EQ(opened.path(), folder) << c.what;
            EXPECT_TRUE(posix::isPrivateFolder(folder)) << c.what;
            struct stat held {};
            ASSERT_EQ(::fstat(opened.descriptor(), &held), 0);
            EXPECT_EQ(held.st_ino, after.inode) << c.what << ": the descriptor is of the folder at the path";
        }
        if (c.expect == Expect::Kept) {
            EXPECT_EQ(after.inode, before.inode) << c.what << ": the same folder, kept";
        }
        const QStringList aside = movedAside(folder);
        if (c.expect == Expect::MovedAside) {
            ASSERT_EQ(aside.size(), 1) << c.what;
            const QString old = QFileInfo(folder).dir().filePath(aside[0]);
            const FolderState moved = stateOf(old);
            EXPECT_EQ(moved.inode, before.inode) << c.what << ": moved whole, never used";
            EXPECT_EQ(moved.owner, before.owner) << c.what;
            EXPECT_EQ(moved.mode, before.mode) << c.what << ": left as it was";
            EXPECT_NE(after.inode, before.inode) << c.what << ": a fresh folder";
            EXPECT_TRUE(QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
                << c.what;
            EXPECT_EQ(log.texts(QStringLiteral("horalux.desktop")).size(), 1) << c.what << ": and logged once";
        } else {
            EXPECT_TRUE(aside.isEmpty()) << c.what;
            EXPECT_TRUE(log.texts(QStringLiteral("horalux.desktop")).isEmpty()) << c.what;
        }
        if (c.expect == Expect::Refused) {
            EXPECT_EQ(after.inode, before.inode) << c.what << ": left alone";
            EXPECT_EQ(after.mode, before.mode) << c.what;
        }
        EXPECT_TRUE(QDir(elsewhere.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            << c.what << ": nothing made through a link";
    }
    QString problem;
    EXPECT_FALSE(posix::PrivateFolder::open(QString(), &problem).isOpen());
    EXPECT_FALSE(problem.isEmpty());
}

TEST(LegacyUpdateProgram, OnlyARegularFileOfOursIsRemovedAndNoLinkFollowed)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("precious"));
    const auto write = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n") > 0;
    };
    ASSERT_TRUE(write(target));
    struct Case {
        const char *what;
        std::function<bool(const QString &)> make; // makes "hupdate" in the folder given
        bool removed;
    };
    const Case cases[] = {
        {"a file of ours", [&](const QString &path) { return write(path); }, true},
        {"a link to a file of ours", [&](const QString &path) { return QFile::link(target, path); }, false},
        {"a dangling link", [&](const QString &path) { return QFile::link(target + QStringLiteral(".gone"), path); },
         false},
        {"a folder", [](const QString &path) { return QDir().mkdir(path); }, false},
        {"nothing", [](const QString &) { return true; }, false},
    };
    for (const Case &c : cases) {
        QTemporaryDir program;
        const QString legacy = program.filePath(QStringLiteral("hupdate"));
        ASSERT_TRUE(c.make(legacy)) << c.what;
        const bool existed = QFileInfo(legacy).exists() || QFileInfo(legacy).isSymLink();
        EXPECT_EQ(removeLegacyUpdateProgram(program.path()), c.removed) << c.what;
        const bool remains = QFileInfo(legacy).exists() || QFileInfo(legacy).isSymLink();
        EXPECT_EQ(remains, existed && !c.removed) << c.what;
        EXPECT_TRUE(QFile::exists(target)) << c.what << ": what a link points at is never touched";
    }
    EXPECT_FALSE(removeLegacyUpdateProgram(QString()));
    EXPECT_FALSE(removeLegacyUpdateProgram(elsewhere.filePath(QStringLiteral("no-such-folder"))));

    if (::geteuid() == 0) { // only root can give a file away
        QTemporaryDir program;
        const QString theirs = program.filePath(QStringLiteral("hupdate"));
        ASSERT_TRUE(write(theirs));
        ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), 65534, 65534), 0);
        EXPECT_FALSE(removeLegacyUpdateProgram(program.path()));
        EXPECT_TRUE(QFile::exists(theirs)) << "another user's file stays";
    }
}

} // namespace
