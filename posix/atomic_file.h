// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "posix/file_identity.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

#include <functional>
#include <optional>

#include <sys/types.h>

// Written on POSIX calls rather than QSaveFile: the store needs the new file's
// identity between the flush and the rename, to tell its own saves from
// someone else's edit.

namespace posix {

// A new version of a file, written beside it and renamed over it only once
// its data is on disk, so that a crash or power cut at any moment leaves the
// old or the whole new version under the name, never an empty or half one
// (a name swap with a later flush is not enough: ext4 may commit the swap
// before the data). Dropped before commit(), it leaves nothing behind.
// On failure errno says why.
class ReplacementFile {
public:
    ReplacementFile(const QByteArray &folder, const QByteArray &fileName);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile &) = delete;
    ReplacementFile &operator=(const ReplacementFile &) = delete;

    // Makes the new file; it takes the old one's mode, or `newFileMode`.
    bool create(mode_t newFileMode);
    int fd() const { return m_fd; }
    // Flushes the new data to disk; the identity the file keeps once renamed.
    std::optional<FileIdentity> sync();
    // Puts the new file in place and flushes the folder, so that a power cut
    // cannot undo the rename; true only when both are done.
    bool commit();
    // Whether the new file is under the name, even when commit() failed to
    // flush the folder: a version that may yet be lost, to be written again.
    bool renamed() const { return m_renamed; }

private:
    void discard();

    QByteArray m_folder;
    QByteArray m_target;
    QByteArray m_temp;
    int m_fd = -1;
    bool m_renamed = false;
};

// The whole of ReplacementFile in one call.
std::optional<FileIdentity> replaceFile(const QByteArray &folder, const QByteArray &fileName, mode_t newFileMode,
                                        const std::function<bool(int)> &write);

// Removes `fileName` for good; true when it is gone, otherwise errno says
// why. A folder that cannot be flushed afterwards is logged in `log`, the
// caller's category, and the removal stands.
bool removeFile(const QByteArray &folder, const QByteArray &fileName, const QLoggingCategory &log);

// Keeps a copy of `fileName` as `copyName`, replacing an older copy, by the
// same rule as ReplacementFile; on failure errno says why.
bool copyAside(const QByteArray &folder, const QByteArray &fileName, const QByteArray &copyName);

// Leftovers of a process killed in the middle of a save; a minute old so that
// another process's save under way is not disturbed.
void removeStaleTempFiles(const QString &folder, const QString &fileName);

} // namespace posix
