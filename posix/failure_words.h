// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace posix {

// Why a file could not be written, as a user would say it, with the system's
// own words beside it: "the disk is full (No space left on device)".
QString causeInWords(int error);

} // namespace posix
