// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "posix/private_folder.h"

#include <QString>

// The file an update program is downloaded into: "hupdate" in the private
// folder Horalux of the cache, made new for each download and reached only
// through the folder's descriptor. Whatever was left or planted under that
// name (a file, a link) is removed, never written through or read. The file
// is removed again when this ends.
class DownloadedProgramFile {
public:
    // Opens cacheRoot/Horalux by the rule of posix::PrivateFolder.
    explicit DownloadedProgramFile(const QString &cacheRoot);
    ~DownloadedProgramFile();
    DownloadedProgramFile(const DownloadedProgramFile &) = delete;
    DownloadedProgramFile &operator=(const DownloadedProgramFile &) = delete;

    // False when there is no private folder; problem() says why.
    bool hasFolder() const { return m_folder.isOpen(); }
    const QString &problem() const { return m_problem; }
    // Where the file is, to be shown; empty without a folder.
    QString path() const;

    // Removes what has the file's name; false (logged) when something stays.
    bool removeOld();
    // Makes the file new, for this user only; false, with the cause in
    // *why, when anything is in the way.
    bool create(QString *why);
    // The file made by create, open for reading and writing; -1 before.
    int descriptor() const { return m_fd; }
    // Closes the file and removes its name.
    void remove();

private:
    posix::PrivateFolder m_folder;
    QString m_problem;
    int m_fd = -1;
};
