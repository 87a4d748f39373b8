// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Earlier versions saved the update program as "hupdate" in the program's
// folder and left it there. Removes it when it is a regular file of this
// user's; anything else of that name (a symbolic link, which is never
// followed, a folder, another user's file) stays, and is logged. True when
// one was removed.
bool removeLegacyUpdateProgram(const QString &programFolder);
