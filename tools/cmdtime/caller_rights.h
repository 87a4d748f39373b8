// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace cmdtime {

// True when this process was started with more rights than the one that
// started it: a setuid or setgid program, or file capabilities that gave an
// unprivileged caller more than it had.
bool runsWithMoreRightsThanCaller();

} // namespace cmdtime
