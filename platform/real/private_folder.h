// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// True when path is a folder itself (no symbolic link) that belongs to this
// user and that no one else may enter: mode 0700. Otherwise false, and
// problem (when given) says why in a short phrase.
bool isPrivateFolder(const QString &path, QString *problem = nullptr);

// Makes path such a folder: created with mode 0700 (parents as needed) when
// missing. An existing folder of ours that no one else could write into is
// narrowed to 0700; one owned by another user, or one others could have put
// files into, is left exactly as it is and refused.
bool makePrivateFolder(const QString &path, QString *problem = nullptr);

} // namespace platform
