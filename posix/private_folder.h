// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <utility>

namespace posix {

// True when path is a folder itself (no symbolic link) that belongs to this
// user and that no one else may enter: mode 0700. Otherwise false, and
// problem (when given) says why in a short phrase.
bool isPrivateFolder(const QString &path, QString *problem = nullptr);

// A folder only this user can write into, held open: files are made in it
// through its descriptor, so nothing swapped in along its path can lead
// them elsewhere.
class PrivateFolder {
public:
    // Makes or takes path as such a folder, by one rule:
    // - missing: made with mode 0700 (its parents as needed);
    // - a folder of this user's that no one else could write into: narrowed
    //   to 0700 and taken;
    // - a folder others could have put something into (writable by group or
    //   others), or another user's: never trusted. It is moved aside whole to
    //   "<path>.untrusted-<random>", logged, and a fresh one made;
    // - a symbolic link or anything else not a folder: refused, left alone.
    // Not open, and problem (when given) says why, when no folder can be had.
    static PrivateFolder open(const QString &path, QString *problem = nullptr);
    // Takes path only if it is such a folder already, with mode 0700 (as
    // isPrivateFolder() asks); nothing is made or changed. Not open, and
    // problem (when given) says why, otherwise.
    static PrivateFolder take(const QString &path, QString *problem = nullptr);

    PrivateFolder() = default;
    ~PrivateFolder();
    PrivateFolder(PrivateFolder &&other) noexcept;
    PrivateFolder &operator=(PrivateFolder &&other) noexcept;
    PrivateFolder(const PrivateFolder &) = delete;
    PrivateFolder &operator=(const PrivateFolder &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    const QString &path() const { return m_path; }

private:
    PrivateFolder(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}
    int m_fd = -1;
    QString m_path;
};

} // namespace posix
