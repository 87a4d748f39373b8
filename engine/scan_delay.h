// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace scan_delay {

// The rotation timer's interval for a stored `scan` text: the whole seconds of
// the number times 1000 (7.9 gives 7000, 4 gives 4000, 61 gives 61000) for every
// number whose interval the timer can run, 1 to 65 seconds. Text that is no
// number, and numbers that would stop the timer (below 1) or that it cannot
// take (66 and above, negatives), count as 20 seconds, so a hand-edited file
// never stalls the rotation.
int intervalMs(const QString &scanText);

} // namespace scan_delay
