// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What this build lets the update do.
struct UpdatePolicy {
    // Downloads and starts update programs; off where a package manager owns the files.
    bool selfUpdate = false;
    // Raw 32-byte Ed25519 keys that may sign an update program.
    QList<QByteArray> publicKeys;
    // The largest update program downloaded.
    qint64 maxBytes = 256 * 1024 * 1024;

    // A build with no key never starts a downloaded program.
    bool startsPrograms() const { return selfUpdate && !publicKeys.isEmpty(); }

    // The build's settings. A program folder that holds kPackageManagedMarker
    // (the .deb puts it there) belongs to a package manager: no self-update.
    static UpdatePolicy fromBuild(const QString &programFolder);
    static constexpr const char *kPackageManagedMarker = "package-managed";
};

// The keys of a comma-separated list of base64 texts; an entry that is not
// exactly 32 bytes of strict base64 is left out.
QList<QByteArray> publicKeysFromText(const QString &commaSeparated);
