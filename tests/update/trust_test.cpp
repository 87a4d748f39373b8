// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/ed25519_check.h"
#include "update/legacy_update_program.h"
#include "update/private_folder.h"
#include "update/update_policy.h"
#include "update/verified_program.h"
#include "update_signing.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

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
    const QByteArray message = "#!/bin/sh\necho update\n";
    const QByteArray signature = VerifiedProgram::signatureFromText(signer.sign(message));
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
        {"one byte of the message changed", QByteArray(message).replace("update", "Update"), signature,
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

TEST(SignUpdateScript, PrintsTheKeyAsTheBuildTakesItAndRefusesToOverwriteOne)
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

    const QByteArray line = signer.sign("x");
    EXPECT_EQ(line.size(), 89) << "88 base64 characters and a line feed";
    EXPECT_TRUE(line.endsWith('\n'));
}

TEST(SignatureText, OnlyOneLineOfStrictBase64Of64Bytes)
{
    const QByteArray bytes(64, '\x5a');
    const QByteArray text = bytes.toBase64();
    const std::pair<QByteArray, bool> cases[] = {
        {text, true},
        {text + "\n", true},
        {text + "\r\n", true},
        {text + "\n\n", false},
        {" " + text, false},
        {text.left(44) + "\n" + text.mid(44), false},
        {QByteArray(63, '\x5a').toBase64(), false},
        {QByteArray(65, '\x5a').toBase64(), false},
        {QByteArray(text).replace('W', '*'), false},
        {QByteArray(), false},
    };
    for (const auto &[input, valid] : cases)
        EXPECT_EQ(VerifiedProgram::signatureFromText(input), valid ? bytes : QByteArray()) << input.constData();
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

mode_t modeOf(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

TEST(PrivateCacheFolder, MadePrivateOrRefused)
{
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("Horalux"));

    PrivateFolder made = privateCacheFolder(root.path());
    EXPECT_EQ(made.path, folder) << qPrintable(made.error);
    EXPECT_EQ(modeOf(folder) & 07777, 0700u) << "made missing, closed to others";

    ASSERT_TRUE(QFile::setPermissions(folder,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther | QFile::WriteOther));
    made = privateCacheFolder(root.path());
    EXPECT_EQ(made.path, folder) << qPrintable(made.error);
    EXPECT_EQ(modeOf(folder) & 07777, 0700u) << "an open folder of ours is closed";

    QTemporaryDir nested;
    made = privateCacheFolder(nested.filePath(QStringLiteral("not/yet/there")));
    EXPECT_EQ(made.path, nested.filePath(QStringLiteral("not/yet/there/Horalux"))) << "a missing root is made";

    QTemporaryDir linked;
    QTemporaryDir target;
    ASSERT_TRUE(QFile::link(target.path(), linked.filePath(QStringLiteral("Horalux"))));
    made = privateCacheFolder(linked.path());
    EXPECT_TRUE(made.path.isEmpty()) << "a symbolic link is never followed";
    EXPECT_FALSE(made.error.isEmpty());

    QTemporaryDir withFile;
    QFile file(withFile.filePath(QStringLiteral("Horalux")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(privateCacheFolder(withFile.path()).path.isEmpty());
    EXPECT_TRUE(privateCacheFolder(QString()).path.isEmpty());

    if (::geteuid() == 0) { // only root can give a folder away
        QTemporaryDir foreign;
        const QString theirs = foreign.filePath(QStringLiteral("Horalux"));
        ASSERT_TRUE(QDir().mkdir(theirs));
        ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), 65534, 65534), 0);
        made = privateCacheFolder(foreign.path());
        EXPECT_TRUE(made.path.isEmpty()) << "a folder of another user is not ours";
        EXPECT_TRUE(made.error.contains(QStringLiteral("65534"))) << qPrintable(made.error);
    }
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
