// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "posix/file_identity.h"

#include <QByteArray>

namespace posix {

struct FileContent {
    enum Status { Missing, Unreadable, Read } status = Missing;
    QByteArray bytes;
    FileIdentity identity;
    bool cutAtLimit = false;
    int error = 0; // errno, when Unreadable
};

// Reads the file at `path` whole; one longer than `limit` bytes only up to
// its last whole line below the limit, with cutAtLimit set.
FileContent readFile(const QByteArray &path, qint64 limit);

} // namespace posix
