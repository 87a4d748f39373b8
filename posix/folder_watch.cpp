// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/folder_watch.h"

namespace posix {

FolderWatch::FolderWatch() : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
}

int FolderWatch::add(const QByteArray &folder)
{
    if (!m_fd.valid())
        return -1;
    return ::inotify_add_watch(m_fd.get(), folder.constData(),
                               IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MODIFY
                                   | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR);
}

void FolderWatch::remove(int watch)
{
    if (m_fd.valid() && watch >= 0)
        ::inotify_rm_watch(m_fd.get(), watch);
}

} // namespace posix
