// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace faults {

// An ext4 file system of its own: an image file in `folder`, mounted through
// a loop device on `folder`/mnt, that can be stopped as a power cut stops a
// disk. Needs root, mkfs.ext4 and mount; the mount is private to the process
// (see small_disk.h) and goes with it.
class LoopDisk {
public:
    LoopDisk(const QString &folder, int megabytes);
    ~LoopDisk();
    LoopDisk(const LoopDisk &) = delete;
    LoopDisk &operator=(const LoopDisk &) = delete;

    // Empty when mounted, else why not.
    const QString &failure() const { return m_failure; }
    QString mountPoint() const { return m_mountPoint; }

    // Shuts the file system down at once without writing its log
    // (FS_IOC_SHUTDOWN, FS_GOINGDOWN_NOLOGFLUSH): what no commit reached is
    // lost, as in a power cut. Empty on success, else why not.
    QString cut();
    // Unmounts and mounts again, so the log is replayed as at the next boot.
    bool remount();

private:
    bool mount();
    void unmount();

    QString m_image;
    QString m_mountPoint;
    QString m_failure;
    bool m_mounted = false;
};

} // namespace faults
