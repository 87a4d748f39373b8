// SPDX-License-Identifier: GPL-3.0-or-later
#include "small_disk.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace faults {

using namespace Qt::StringLiterals;

namespace {

bool writeProcFile(const char *path, const QByteArray &text)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QString systemError(const char *what)
{
    return QString::fromLatin1(what) + u": "_s + QString::fromLocal8Bit(std::strerror(errno));
}

std::optional<QString> enterPrivateMountNamespace()
{
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (uid != 0) {
        // Root of a user namespace of our own may mount a tmpfs.
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return systemError("unshare(CLONE_NEWUSER | CLONE_NEWNS)");
        if (!writeProcFile("/proc/self/setgroups", "deny")
            || !writeProcFile("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1")
            || !writeProcFile("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1"))
            return u"cannot map the user into its namespace"_s;
    } else if (::unshare(CLONE_NEWNS) != 0) {
        return systemError("unshare(CLONE_NEWNS)");
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return systemError("making mounts private");
    return std::nullopt;
}

// Before main(): QApplication starts threads, and a threaded process may not
// enter a user namespace (nor take its threads along into a mount namespace).
const std::optional<QString> g_unavailable = enterPrivateMountNamespace();

} // namespace

std::optional<QString> privateMountsUnavailable()
{
    return g_unavailable;
}

SmallDisk::SmallDisk(const QString &mountPoint, qint64 bytes, int inodes) : m_mountPoint(mountPoint)
{
    if (g_unavailable) {
        m_failure = *g_unavailable;
        return;
    }
    const QByteArray options =
        "size=" + QByteArray::number(bytes) + ",nr_inodes=" + QByteArray::number(inodes) + ",mode=0700";
    if (::mount("horalux-test", QFile::encodeName(mountPoint).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData())
        != 0)
        m_failure = systemError("mount -t tmpfs");
}

SmallDisk::~SmallDisk()
{
    if (m_failure.isEmpty())
        ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
}

bool SmallDisk::fill(qint64 leaveBytes)
{
    const QByteArray path = QFile::encodeName(m_mountPoint + u"/.filler"_s);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const std::vector<char> page(4096, 'f');
    while (::write(fd, page.data(), page.size()) > 0) {}
    const bool full = errno == ENOSPC;
    // Give back whole pages until leaveBytes are free.
    struct stat st;
    if (full && leaveBytes > 0 && ::fstat(fd, &st) == 0)
        ::ftruncate(fd, std::max<off_t>(0, st.st_size - (leaveBytes / 4096) * 4096));
    ::close(fd);
    return full;
}

bool SmallDisk::useAllInodes()
{
    for (;;) {
        const QByteArray path = QFile::encodeName(m_mountPoint + u"/.inode-"_s + QString::number(m_inodeFillers));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0)
            return errno == ENOSPC;
        ::close(fd);
        ++m_inodeFillers;
    }
}

bool SmallDisk::setReadOnly(bool readOnly)
{
    const unsigned long flags = MS_REMOUNT | MS_NOSUID | MS_NODEV | (readOnly ? MS_RDONLY : 0);
    return ::mount(nullptr, QFile::encodeName(m_mountPoint).constData(), nullptr, flags, nullptr) == 0;
}

void SmallDisk::empty()
{
    QFile::remove(m_mountPoint + u"/.filler"_s);
    for (; m_inodeFillers > 0; --m_inodeFillers)
        QFile::remove(m_mountPoint + u"/.inode-"_s + QString::number(m_inodeFillers - 1));
}

} // namespace faults
