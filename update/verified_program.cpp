// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/verified_program.h"

#include "platform/signature_check.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kSignatureBytes = 64;

QString systemError(const char *what)
{
    return QString::fromLatin1(what) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

// The file's bytes as the kernel holds them: mapped, not copied, so a large
// program costs page cache rather than the clock's heap.
class MappedFile {
public:
    MappedFile(int fd, qint64 size) : m_size(size)
    {
        if (size > 0) {
            void *at = ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE, fd, 0);
            m_data = at == MAP_FAILED ? nullptr : at;
        }
    }
    ~MappedFile()
    {
        if (m_data)
            ::munmap(m_data, size_t(m_size));
    }
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    bool ok() const { return m_size == 0 || m_data; }
    QByteArrayView bytes() const { return {static_cast<const char *>(m_data), m_data ? m_size : 0}; }

private:
    qint64 m_size;
    void *m_data = nullptr;
};

} // namespace

QByteArray VerifiedProgram::signatureFromText(const QByteArray &text)
{
    QByteArray line = text;
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    const auto decoded = QByteArray::fromBase64Encoding(line, QByteArray::AbortOnBase64DecodingErrors);
    return decoded && decoded.decoded.size() == kSignatureBytes ? decoded.decoded : QByteArray();
}

std::unique_ptr<VerifiedProgram> VerifiedProgram::open(const QString &path, const QByteArray &signature,
                                                       const QList<QByteArray> &keys,
                                                       const platform::SignatureCheck &check, qint64 maxBytes,
                                                       QString *why)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        *why = systemError("cannot open the update program");
        return nullptr;
    }
    std::unique_ptr<VerifiedProgram> program(new VerifiedProgram(fd));
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        *why = systemError("cannot read the update program");
        return nullptr;
    }
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid() || info.st_nlink != 1) {
        *why = QStringLiteral("the update program is not a plain file of this user");
        return nullptr;
    }
    if (info.st_size > maxBytes) {
        *why = QStringLiteral("the update program is larger than %1 bytes").arg(maxBytes);
        return nullptr;
    }
    if (signature.size() != kSignatureBytes) {
        *why = QStringLiteral("no well-formed signature");
        return nullptr;
    }
    const MappedFile mapped(fd, info.st_size);
    if (!mapped.ok()) {
        *why = systemError("cannot map the update program");
        return nullptr;
    }
    for (const QByteArray &key : keys) {
        if (check.verify(mapped.bytes(), signature, key))
            return program;
    }
    *why = keys.isEmpty() ? QStringLiteral("no public key is built in")
                          : QStringLiteral("the signature does not verify with any built-in key");
    return nullptr;
}

VerifiedProgram::VerifiedProgram(int fd) : m_fd(fd)
{
}

VerifiedProgram::~VerifiedProgram()
{
    ::close(m_fd);
}

bool VerifiedProgram::prepareToStart(QString *why)
{
    if (::fchmod(m_fd, 0700) != 0) {
        *why = systemError("cannot make the update program executable");
        return false;
    }
    // The started program opens the file through this descriptor (a script's
    // interpreter too), so it must survive the exec.
    const int flags = ::fcntl(m_fd, F_GETFD);
    if (flags < 0 || ::fcntl(m_fd, F_SETFD, flags & ~FD_CLOEXEC) != 0) {
        *why = systemError("cannot pass the update program on");
        return false;
    }
    return true;
}

QString VerifiedProgram::launchPath() const
{
    return QStringLiteral("/proc/self/fd/") + QString::number(m_fd);
}
