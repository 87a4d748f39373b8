#pragma once

#include <QString>

namespace scan_delay {

constexpr int MinSeconds = 5;
constexpr int MaxSeconds = 60;
constexpr int DefaultSeconds = 20;

// The rotation timer's interval for a stored `scan` text: the whole seconds of
// the number times 1000 (7.9 gives 7000). Text that is not a number, or a number
// outside 5 to 60, counts as 20 seconds, so a hand-edited file never stalls the
// rotation.
int intervalMs(const QString &scanText);

} // namespace scan_delay
