// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// The desktop's web browser and document viewers.
class Browser {
public:
    virtual ~Browser() = default;

    // Whether the desktop names a program that opens web pages.
    virtual bool hasWebBrowser() = 0;
    // Opens address in the desktop's web browser, in a normal window that
    // takes the focus, without waiting. False when it could not start.
    virtual bool openPage(const QString &address) = 0;
    // Shows a local document in the desktop's viewer for its kind. False
    // when there is no viewer or it could not start.
    virtual bool showDocument(const QString &path) = 0;
};

} // namespace platform
