// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "posix/private_folder.h"

#include <QProcessEnvironment>
#include <QString>

namespace platform {

// The single-instance lock file's name in its folder.
inline constexpr char kInstanceLockFileName[] = "horalux.lock";

// The folder the single-instance lock file goes in, held open so that the
// file is made in the folder that was checked: $XDG_RUNTIME_DIR when that is
// this user's own 0700 folder, otherwise the private folder "Horalux" under
// $XDG_CACHE_HOME (or ~/.cache), by the rule of posix::PrivateFolder::open
// (one that others could write into is moved aside and made afresh). Never a
// shared place such as /tmp, where another user could take the name first.
// Not open when no safe place exists; problem then says why.
posix::PrivateFolder instanceLockFolder(const QProcessEnvironment &environment, QString *problem = nullptr);

} // namespace platform
