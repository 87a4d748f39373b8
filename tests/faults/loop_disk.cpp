// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop_disk.h"

#include "small_disk.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <linux/types.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace faults {

using namespace Qt::StringLiterals;

namespace {

// From linux/fs.h, which older headers lack; ext4 and XFS both answer it.
constexpr unsigned long kShutdown = _IOR('X', 125, __u32);
constexpr __u32 kGoingDownNoLogFlush = 2;

// Runs a tool and waits; its output, when it fails, says why.
bool runTool(const std::vector<std::string> &arguments, QString *output)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(fds[1], 1);
        ::dup2(fds[1], 2);
        std::vector<char *> argv;
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        const std::string missing = arguments[0] + ": " + std::strerror(errno) + '\n';
        [[maybe_unused]] const ssize_t ignored = ::write(2, missing.data(), missing.size());
        ::_exit(127);
    }
    ::close(fds[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buffer, n);
    }
    ::close(fds[0]);
    int status = 0;
    while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    if (output)
        *output = QString::fromLocal8Bit(text).trimmed();
    return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

LoopDisk::LoopDisk(const QString &folder, int megabytes)
    : m_image(folder + u"/ext4.img"_s),
      m_mountPoint(folder + u"/mnt"_s)
{
    if (::geteuid() != 0) {
        m_failure = u"a loop device needs root"_s;
        return;
    }
    if (const auto why = privateMountsUnavailable()) {
        m_failure = *why;
        return;
    }
    QFile image(m_image);
    if (!QDir().mkpath(m_mountPoint) || !image.open(QIODevice::WriteOnly) || !image.resize(qint64(megabytes) << 20)) {
        m_failure = u"cannot make the image file: "_s + image.errorString();
        return;
    }
    image.close();
    QString output;
    if (!runTool({"mkfs.ext4", "-q", "-F", "-b", "4096", QFile::encodeName(m_image).toStdString()}, &output)) {
        m_failure = u"mkfs.ext4 failed: "_s + output;
        return;
    }
    mount();
}

LoopDisk::~LoopDisk()
{
    unmount();
}

bool LoopDisk::mount()
{
    QString output;
    m_mounted = runTool({"mount", "-t", "ext4", "-o", "loop", QFile::encodeName(m_image).toStdString(),
                         QFile::encodeName(m_mountPoint).toStdString()},
                        &output);
    if (!m_mounted)
        m_failure = u"mount -o loop failed: "_s + output;
    return m_mounted;
}

void LoopDisk::unmount()
{
    if (!m_mounted)
        return;
    // No process of ours may still use it; a lazy unmount would keep the
    // file system, and its log, alive behind our back.
    m_mounted = ::umount2(QFile::encodeName(m_mountPoint).constData(), 0) != 0;
}

QString LoopDisk::cut()
{
    const int fd = ::open(QFile::encodeName(m_mountPoint).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return u"cannot open the mount point: "_s + QString::fromLocal8Bit(std::strerror(errno));
    __u32 how = kGoingDownNoLogFlush;
    const bool done = ::ioctl(fd, kShutdown, &how) == 0;
    const int error = errno;
    ::close(fd);
    return done ? QString() : u"FS_IOC_SHUTDOWN: "_s + QString::fromLocal8Bit(std::strerror(error));
}

bool LoopDisk::remount()
{
    unmount();
    if (m_mounted) {
        m_failure = u"cannot unmount: "_s + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return mount();
}

} // namespace faults
