// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/atomic_file.h"

#include "settings/file_descriptor.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

using namespace Qt::StringLiterals;

namespace {

QByteArray tempPrefixFor(const QByteArray &fileName)
{
    return '.' + fileName + ".tmp-";
}

} // namespace

std::optional<FileIdentity> replaceFile(const QByteArray &folder, const QByteArray &fileName, mode_t newFileMode,
                                        const std::function<bool(int)> &write)
{
    const QByteArray target = folder + '/' + fileName;
    struct stat old;
    const bool replacesFile = ::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode);
    QByteArray temp = folder + '/' + tempPrefixFor(fileName) + "XXXXXX";
    FileDescriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (!fd.valid())
        return std::nullopt;
    struct stat st;
    bool ok = ::fchmod(fd.get(), replacesFile ? (old.st_mode & 07777) : newFileMode) == 0 && write(fd.get())
        && ::fstat(fd.get(), &st) == 0;
    int cause = ok ? 0 : errno;
    if (::close(fd.release()) != 0 && ok) {
        ok = false;
        cause = errno;
    }
    // Swapping the two names is as atomic as rename() but spares the data
    // flush ext4 starts when a rename replaces a file (~150 us); the deferred
    // fdatasync makes the new data durable instead.
    if (ok && replacesFile
        && ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0) {
        ::unlink(temp.constData());
        return FileIdentity::of(st);
    }
    if (ok && ::rename(temp.constData(), target.constData()) != 0) {
        ok = false;
        cause = errno;
    }
    if (!ok) {
        ::unlink(temp.constData());
        errno = cause; // the cause, not the clean-up's outcome
        return std::nullopt;
    }
    return FileIdentity::of(st);
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

} // namespace settings
