// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace faults {

// Why the tests cannot mount a file system of their own; nothing when they can.
// The process enters a private mount namespace (as root, or through a user
// namespace) before main() runs, while it has one thread, so that its mounts
// are seen by no one else and vanish with it.
std::optional<QString> privateMountsUnavailable();

// A tmpfs of `bytes` and at most `inodes` files mounted on an empty folder;
// unmounted when dropped.
class SmallDisk {
public:
    SmallDisk(const QString &mountPoint, qint64 bytes, int inodes);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    // Empty when mounted, else why not.
    const QString &failure() const { return m_failure; }

    // Takes up all free space but `leaveBytes` (rounded down to whole pages).
    bool fill(qint64 leaveBytes = 0);
    // Takes up every free inode.
    bool useAllInodes();
    // Gives all of it back.
    void empty();
    // Mounts it again read-only, or writable.
    bool setReadOnly(bool readOnly);

private:
    QString m_mountPoint;
    QString m_failure;
    int m_inodeFillers = 0;
};

} // namespace faults
