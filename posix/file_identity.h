// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <ctime>

#include <sys/stat.h>

namespace posix {

// What a reload compares: a file replaced by rename has a new inode, one
// rewritten in place a new size or modification time.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified {};

    static FileIdentity of(const struct stat &st) { return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim}; }
    static FileIdentity ofPath(const QByteArray &path)
    {
        struct stat st;
        return ::stat(path.constData(), &st) == 0 ? of(st) : FileIdentity {};
    }
    bool operator==(const FileIdentity &o) const
    {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size
            && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

} // namespace posix
