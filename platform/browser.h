// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// The desktop's file associations: which program opens a kind of document,
// and starting it.
class Browser {
public:
    virtual ~Browser() = default;

    // The program that the desktop opens documentPath with (judged by the
    // file's name and content), as a command for open(); empty when none is
    // associated or the file cannot be read.
    virtual QString findExecutable(const QString &documentPath) = 0;
    // Starts program, a result of findExecutable(), on address, in a normal
    // window that takes the focus, without waiting. False when it could not start.
    virtual bool open(const QString &program, const QString &address) = 0;
    // Shows a local document in the desktop's viewer for its kind. False
    // when there is no viewer or it could not start.
    virtual bool showDocument(const QString &path) = 0;
};

} // namespace platform
