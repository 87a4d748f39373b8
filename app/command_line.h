// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// Answers what needs no display, before Qt's platform starts (which aborts
// without one): --help and --version, a command line the clock does not
// understand (status 2), and a start with no display at all (status 1).
// Returns the exit status, or nothing when the clock is to start; argv is left
// as it was, for Qt's own options.
std::optional<int> answerBeforeStart(int argc, const char *const *argv);

// Qt's X11 platform aborts (status 134) when its display cannot be opened.
// For that platform only, where the clock's platform choices are made, tries
// the display first: one line naming it and status 1 when it cannot be opened.
std::optional<int> answerUnreachableDisplay(int argc, const char *const *argv);

// The platforms Qt is asked for: -platform's value, else QT_QPA_PLATFORM's,
// else empty (Qt's own default).
std::string askedPlatform(int argc, const char *const *argv);
