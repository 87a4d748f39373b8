// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

// A byte count as a readable size: "999 bytes", "1000.0 KB", "0.98 MB",
// "1.5 GB". Empty for a negative count.
QString dataSizeText(double bytes, const QLocale &locale = QLocale());

// A number of seconds as a readable duration: "59 sec", "1 min 1 sec",
// "1 hr 0 min". Empty for a negative or endless time.
QString durationText(double seconds, const QLocale &locale = QLocale());

// A path's parts at its last separator: the file's name after it, the folder
// up to and including it. URLs split at "/"; local paths at "/" or "\".
enum class PathKind { Local, Url };
QString fileNameOf(const QString &path, PathKind kind);
QString folderOf(const QString &path, PathKind kind);

// The URL folder as the dialog shows it: whole when shorter than 33
// characters, else "..." and its first 30.
QString shownFolder(const QString &urlFolder);

// What the dialog shows while a transfer runs.
struct TransferProgress {
    QString progressText; // time left, amounts and rate; lines broken by CR
    QString caption;      // empty when the total is unknown
};

// totalBytes < 0: the server did not say. Nothing when no time has passed or
// nothing has arrived yet, so there is no rate to reckon with. allowedMs: the
// time the transfer has left before it is given up (negative: no limit); a
// time left beyond it is not promised, and shows as unknown.
std::optional<TransferProgress> transferProgress(qint64 receivedBytes, qint64 totalBytes, qint64 elapsedMs,
                                                 const QString &fileName, const QLocale &locale = QLocale(),
                                                 qint64 allowedMs = -1);
