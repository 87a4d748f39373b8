// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/downloaded_program_file.h"

#include "update/update_log.h"

#include <QDir>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr char kName[] = "hupdate";
} // namespace

DownloadedProgramFile::DownloadedProgramFile(const QString &cacheRoot)
{
    if (cacheRoot.isEmpty()) {
        m_problem = QStringLiteral("no cache folder (neither XDG_CACHE_HOME nor HOME is set)");
        return;
    }
    m_folder = posix::PrivateFolder::open(QDir(cacheRoot).filePath(QStringLiteral("Horalux")), &m_problem);
}

DownloadedProgramFile::~DownloadedProgramFile()
{
    remove();
}

QString DownloadedProgramFile::path() const
{
    return hasFolder() ? QDir(m_folder.path()).filePath(QLatin1String(kName)) : QString();
}

bool DownloadedProgramFile::removeOld()
{
    if (!hasFolder())
        return false;
    // unlinkat removes a name: a link goes, what it points at stays.
    if (::unlinkat(m_folder.descriptor(), kName, 0) == 0 || errno == ENOENT)
        return true;
    qCWarning(lcUpdate) << "cannot remove the old update program" << path() << ":" << std::strerror(errno);
    return false;
}

bool DownloadedProgramFile::create(QString *why)
{
    if (!hasFolder()) {
        *why = m_problem;
        return false;
    }
    remove();
    m_fd = ::openat(m_folder.descriptor(), kName, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        *why = QStringLiteral("cannot make ") + path() + QStringLiteral(": ")
            + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

void DownloadedProgramFile::remove()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
    ::unlinkat(m_folder.descriptor(), kName, 0);
}
