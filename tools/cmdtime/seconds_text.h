// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>

namespace cmdtime {

// "+3.512 s": sign always shown, rounded to the millisecond; "+0.000 s" when it
// rounds to nothing, so a tiny negative offset does not read "-0.000".
std::string formatOffset(std::chrono::nanoseconds offset);

// "5 s", "0.25 s": a duration as a person typed it on the command line.
std::string formatDuration(std::chrono::milliseconds duration);

} // namespace cmdtime
