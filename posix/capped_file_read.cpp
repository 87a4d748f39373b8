// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/capped_file_read.h"

#include "posix/file_descriptor.h"

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace posix {

FileContent readFile(const QByteArray &path, qint64 limit)
{
    FileContent content;
    FileDescriptor fd(::open(path.constData(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        content.error = errno;
        content.status = (errno == ENOENT || errno == ENOTDIR) ? FileContent::Missing : FileContent::Unreadable;
        content.identity = FileIdentity::ofPath(path);
        return content;
    }
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) {
        content.error = errno;
        content.status = FileContent::Unreadable;
        return content;
    }
    content.identity = FileIdentity::of(st);
    if (!S_ISREG(st.st_mode)) {
        content.error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        content.status = FileContent::Unreadable;
        return content;
    }
    // One byte past the limit tells whether the file goes on.
    content.bytes.resize(qsizetype(std::min<qint64>(st.st_size, limit) + 1));
    qsizetype filled = 0;
    for (;;) {
        if (filled == content.bytes.size()) {
            if (filled > limit)
                break;
            content.bytes.resize(std::min<qsizetype>(filled * 2 + 4096, limit + 1));
        }
        const ssize_t n = ::read(fd.get(), content.bytes.data() + filled, size_t(content.bytes.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            content.error = errno;
            content.status = FileContent::Unreadable;
            content.bytes.clear();
            return content;
        }
        if (n == 0)
            break;
        filled += n;
    }
    content.bytes.truncate(filled);
    if (filled > limit) {
        content.cutAtLimit = true;
        content.bytes.truncate(content.bytes.lastIndexOf('\n', limit - 1) + 1);
    }
    content.status = FileContent::Read;
    return content;
}

} // namespace posix
