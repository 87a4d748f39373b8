// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A folder only this user can enter, for files the program writes for itself.
struct PrivateFolder {
    QString path;  // empty when it cannot be had
    QString error; // why not, for the log
};

// cacheRoot/Horalux: made with mode 0700 when missing; when present it must be
// a real folder (no symbolic link) owned by this user, and is closed to others
// (mode 0700) if it was open to them.
PrivateFolder privateCacheFolder(const QString &cacheRoot);
