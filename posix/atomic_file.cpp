// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/atomic_file.h"

#include "posix/file_descriptor.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace posix {

using namespace Qt::StringLiterals;

namespace {

QByteArray tempPrefixFor(const QByteArray &fileName)
{
    return '.' + fileName + ".tmp-";
}

// Makes a rename or removal in `folder` durable; without it a power cut may
// undo it after we said it was done. On failure errno says why.
bool syncFolder(const QByteArray &folder)
{
    FileDescriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.valid() && ::fsync(dir.get()) == 0;
}

} // namespace

ReplacementFile::ReplacementFile(const QByteArray &folder, const QByteArray &fileName)
    : m_folder(folder),
      m_target(folder + '/' + fileName),
      m_temp(folder + '/' + tempPrefixFor(fileName) + "XXXXXX")
{
}

ReplacementFile::~ReplacementFile()
{
    discard();
}

void ReplacementFile::discard()
{
    if (m_fd < 0)
        return;
    const int cause = errno; // the failure's, not the clean-up's
    ::close(m_fd);
    ::unlink(m_temp.constData());
    m_fd = -1;
    errno = cause;
}

bool ReplacementFile::create(mode_t newFileMode)
{
    struct stat old;
    const bool replacesFile = ::lstat(m_target.constData(), &old) == 0 && S_ISREG(old.st_mode);
    m_fd = ::mkostemp(m_temp.data(), O_CLOEXEC);
    if (m_fd < 0)
        return false;
    if (::fchmod(m_fd, replacesFile ? (old.st_mode & 07777) : newFileMode) != 0) {
        discard();
        return false;
    }
    return true;
}

std::optional<FileIdentity> ReplacementFile::sync()
{
    struct stat st;
    // fsync, not fdatasync: the mode set at create() must be on disk too.
    if (m_fd < 0 || ::fsync(m_fd) != 0 || ::fstat(m_fd, &st) != 0) {
        discard();
        return std::nullopt;
    }
    return FileIdentity::of(st);
}

bool ReplacementFile::commit()
{
    if (m_fd < 0)
        return false;
    if (::close(std::exchange(m_fd, -1)) != 0 || ::rename(m_temp.constData(), m_target.constData()) != 0) {
        const int cause = errno;
        ::unlink(m_temp.constData());
        errno = cause;
        return false;
    }
    m_renamed = true;
    // A failed flush may have lost the rename already (EIO as a disk goes),
    // and a later one may succeed without it: only a new rename is sure.
    return syncFolder(m_folder);
}

std::optional<FileIdentity> replaceFile(const QByteArray &folder, const QByteArray &fileName, mode_t newFileMode,
                                        const std::function<bool(int)> &write)
{
    ReplacementFile file(folder, fileName);
    if (!file.create(newFileMode) || !write(file.fd()))
        return std::nullopt;
    const std::optional<FileIdentity> identity = file.sync();
    if (!identity || !file.commit())
        return std::nullopt;
    return identity;
}

bool removeFile(const QByteArray &folder, const QByteArray &fileName, const QLoggingCategory &log)
{
    const QByteArray path = folder + '/' + fileName;
    if (::unlink(path.constData()) != 0)
        return errno == ENOENT;
    if (!syncFolder(folder))
        qCWarning(log).noquote() << u"%1 is removed, but its folder could not be flushed to disk: %2"_s.arg(
            QFile::decodeName(path), qt_error_string(errno));
    return true;
}

bool copyAside(const QByteArray &folder, const QByteArray &fileName, const QByteArray &copyName)
{
    const QByteArray source = folder + '/' + fileName;
    FileDescriptor in(::open(source.constData(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        return errno == ENOENT; // nothing left to keep
    struct stat st;
    const mode_t mode = ::fstat(in.get(), &st) == 0 ? (st.st_mode & 07777) : 0600;
    const auto copied = replaceFile(folder, copyName, mode, [&](int out) {
        char buffer[64 * 1024];
        for (;;) {
            const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            if (n == 0)
                return true;
            if (!writeAll(out, buffer, size_t(n)))
                return false;
        }
    });
    return copied.has_value();
}

void removeStaleTempFiles(const QString &folder, const QString &fileName)
{
    // The file's and its .bad copy's: ".<name>*.tmp-*". Matched by hand, since
    // a wildcard filter would compile a regular expression at every start.
    const QString prefix = u'.' + fileName;
    const QDateTime cutoff = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!name.startsWith(prefix) || name.indexOf(u".tmp-"_s, prefix.size()) < 0)
            continue;
        const QFileInfo info(dir.filePath(name));
        if (info.lastModified().toUTC() < cutoff)
            QFile::remove(info.filePath());
    }
}

} // namespace posix
