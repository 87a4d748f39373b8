// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/legacy_update_program.h"

#include "update/update_log.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr char kName[] = "hupdate";
} // namespace

bool removeLegacyUpdateProgram(const QString &programFolder)
{
    if (programFolder.isEmpty())
        return false;
    // Looked at and removed relative to one descriptor of the folder; unlinkat
    // removes a name, so even a link swapped in between is never followed.
    const int folder = ::open(QFile::encodeName(programFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return false;
    bool removed = false;
    struct stat info {};
    if (::fstatat(folder, kName, &info, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
            qCWarning(lcUpdate) << "old update program left alone, not a file of ours:" << programFolder + "/hupdate";
        else if (::unlinkat(folder, kName, 0) != 0)
            qCWarning(lcUpdate) << "cannot remove the old update program" << programFolder + "/hupdate"
                                << ":" << std::strerror(errno);
        else
            removed = true;
    }
    ::close(folder);
    return removed;
}
