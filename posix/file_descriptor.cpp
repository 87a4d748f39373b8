// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/file_descriptor.h"

#include <cerrno>

namespace posix {

bool writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

} // namespace posix
