#pragma once

#include <QString>

namespace scan_delay {

// The rotation timer's interval for a stored `scan` text: the whole seconds of
// the number times 1000 (7.9 gives 7000). Text that is not a number, or a number
// outside the setting's range, counts as its default, so a hand-edited file
// never stalls the rotation.
int intervalMs(const QString &scanText);

} // namespace scan_delay
