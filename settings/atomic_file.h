// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/file_identity.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

#include <sys/types.h>

// Written on POSIX calls rather than QSaveFile: QSaveFile::commit() fsyncs
// before it returns (about 1 ms per save here, the registry-like store defers
// that to DeferredSync).

namespace settings {

// Writes a new file beside `target` and puts it in its place, so readers and
// a crash see either the old or the whole new file. The fsync is left to the
// caller. On failure nothing is left behind, `target` is untouched and errno
// says why. The new file takes the old one's mode, or `newFileMode`.
std::optional<FileIdentity> replaceFile(const QByteArray &folder, const QByteArray &fileName, mode_t newFileMode,
                                        const std::function<bool(int)> &write);

// Keeps a copy of `fileName` as `copyName`, replacing an older copy; on
// failure errno says why.
bool copyAside(const QByteArray &folder, const QByteArray &fileName, const QByteArray &copyName);

// Leftovers of a process killed in the middle of a save; a minute old so that
// another process's save under way is not disturbed.
void removeStaleTempFiles(const QString &folder, const QString &fileName);

} // namespace settings
