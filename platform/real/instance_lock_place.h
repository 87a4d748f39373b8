// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace platform {

// Where the single-instance lock file goes: $XDG_RUNTIME_DIR when that is
// this user's own 0700 folder, otherwise the private folder "Horalux" under
// $XDG_CACHE_HOME (or ~/.cache), by the rule of posix::PrivateFolder::open (one that
// others could write into is moved aside and made afresh). Never a shared place such
// as /tmp, where another user could take the name first. Empty when no safe
// place exists; problem then says why.
QString instanceLockPath(const QProcessEnvironment &environment, QString *problem = nullptr);

} // namespace platform
