// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// What the clock needs to know about where it is installed.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The folder that holds the program, its pictures, sound and helper tools,
    // without a trailing separator.
    virtual QString programFolder() const = 0;
    // The program's own executable file, absolute.
    virtual QString programFile() const = 0;
    // What starts the clock from outside, as the start-with-desktop entry
    // does: an installed program's launcher, else the program file itself.
    virtual QString startCommand() const { return programFile(); }
};

} // namespace platform
