// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/verified_program.h"

#include "platform/signature_check.h"
#include "posix/file_descriptor.h"
#include "update/update_statement.h"
#include "update/version_list.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef MFD_EXEC
#define MFD_EXEC 0x0010U // Linux 6.3: the copy is meant to be started
#endif

namespace {

constexpr int kSeals = F_SEAL_SEAL | F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE;
constexpr size_t kCopyBlock = 256 * 1024;

QString systemError(const char *what)
{
    return QString::fromLatin1(what) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

// Copies all of from into to, reading at most limit + 1 bytes; -1 on an
// error, else the bytes copied (more than limit: the file grew past it).
qint64 copyAll(int from, int to, qint64 limit)
{
    std::vector<char> block(kCopyBlock);
    qint64 copied = 0;
    while (copied <= limit) {
        const ssize_t got = ::pread(from, block.data(), block.size(), copied);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        if (!posix::writeAll(to, block.data(), size_t(got)))
            return -1;
        copied += got;
    }
    return copied;
}

// A memory file of this process holding the bytes of fd, sealed; -1 (cause in *why) when it cannot be made.
int sealedCopy(int fd, qint64 maxBytes, QString *why, bool *tooLarge)
{
    int copy = ::memfd_create("horalux-update", MFD_CLOEXEC | MFD_ALLOW_SEALING | MFD_EXEC);
    if (copy < 0 && errno == EINVAL) // a kernel before 6.3 knows no MFD_EXEC
        copy = ::memfd_create("horalux-update", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (copy < 0) {
        *why = systemError("cannot make a sealed copy of the update program");
        return -1;
    }
    // Executable only once its checks have passed.
    if (::fchmod(copy, S_IRUSR | S_IWUSR) != 0) {
        *why = systemError("cannot make a sealed copy of the update program");
        ::close(copy);
        return -1;
    }
    const qint64 copied = copyAll(fd, copy, maxBytes);
    if (copied < 0 || copied > maxBytes) {
        *tooLarge = copied > maxBytes;
        *why = copied < 0 ? systemError("cannot copy the update program")
                          : QStringLiteral("the update program grew past %1 bytes").arg(maxBytes);
        ::close(copy);
        return -1;
    }
    if (::fcntl(copy, F_ADD_SEALS, kSeals) != 0 || (::fcntl(copy, F_GET_SEALS) & kSeals) != kSeals) {
        *why = systemError("cannot seal the copy of the update program");
        ::close(copy);
        return -1;
    }
    return copy;
}

} // namespace

VerifiedProgram::Outcome VerifiedProgram::check(int fd, const QByteArray &signatureFile, const UpdateRules &rules,
                                                const platform::SignatureCheck &signatures)
{
    const auto refused = [](QString why) { return Outcome {nullptr, std::move(why), true}; };
    const std::optional<UpdateStatement> statement = UpdateStatement::fromSignatureFile(signatureFile);
    if (!statement)
        return refused(QStringLiteral("no well-formed signed statement"));

    // The statement first: a stranger's is refused before a large program is copied and hashed.
    bool signedByUs = false;
    for (const QByteArray &key : rules.keys)
        signedByUs = signedByUs || signatures.verify(statement->signedText, statement->signature, key);
    if (!signedByUs)
        return refused(rules.keys.isEmpty() ? QStringLiteral("no public key is built in")
                                            : QStringLiteral("the signature does not verify with any built-in key"));
    if (!rules.offeredVersion.isEmpty() && !isSameVersion(statement->version, rules.offeredVersion))
        return refused(QStringLiteral("the program is signed as version %1, not the offered %2")
                           .arg(statement->version, rules.offeredVersion));
    if (!isNewerVersion(statement->version, rules.running))
        return refused(QStringLiteral("the program is signed as version %1, not newer than this %2")
                           .arg(statement->version, rules.running.dotted()));
    if (!rules.leastVersion.isEmpty() && isOlderVersion(statement->version, rules.leastVersion))
        return refused(QStringLiteral("the program is signed as version %1, older than the listed %2")
                           .arg(statement->version, rules.leastVersion));

    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return Outcome {nullptr, systemError("cannot read the update program"), false};
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid() || info.st_nlink != 1)
        return refused(QStringLiteral("the update program is not a plain file of this user"));
    if (info.st_size > rules.maxBytes)
        return refused(QStringLiteral("the update program is larger than %1 bytes").arg(rules.maxBytes));

    QString why;
    bool tooLarge = false;
    const int copy = sealedCopy(fd, rules.maxBytes, &why, &tooLarge);
    if (copy < 0)
        return Outcome {nullptr, why, tooLarge};
    // Owns the copy from here, so every refusal below closes it.
    std::unique_ptr<VerifiedProgram> program(new VerifiedProgram(copy, statement->version));

    const std::optional<QByteArray> hash = signatures.sha256(copy);
    if (!hash)
        return Outcome {nullptr, QStringLiteral("cannot hash the sealed copy"), false};
    if (*hash != statement->sha256)
        return refused(QStringLiteral("the program's SHA-256 is not the signed one"));
    return Outcome {std::move(program), QString(), false};
}

VerifiedProgram::VerifiedProgram(int fd, QString version) : m_fd(fd), m_version(std::move(version))
{
}

VerifiedProgram::~VerifiedProgram()
{
    ::close(m_fd);
}

bool VerifiedProgram::prepareToStart(QString *why)
{
    if (::fchmod(m_fd, S_IRWXU) != 0) {
        *why = systemError("cannot make the update program executable");
        return false;
    }
    // The started program is opened through this descriptor (a script's
    // interpreter opens it once more), so it must survive the exec.
    const int flags = ::fcntl(m_fd, F_GETFD);
    if (flags < 0 || ::fcntl(m_fd, F_SETFD, flags & ~FD_CLOEXEC) != 0) {
        *why = systemError("cannot pass the update program on");
        return false;
    }
    struct stat held {};
    struct stat named {};
    if (::fstat(m_fd, &held) != 0 || ::stat(QFile::encodeName(launchPath()).constData(), &named) != 0
        || held.st_dev != named.st_dev || held.st_ino != named.st_ino) {
        *why = launchPath() + QStringLiteral(" does not lead to the update program (is /proc mounted?)");
        return false;
    }
    return true;
}

QString VerifiedProgram::launchPath() const
{
    return QStringLiteral("/proc/self/fd/") + QString::number(m_fd);
}
