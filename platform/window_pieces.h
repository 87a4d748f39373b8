// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace platform {

// A text label of a window. Heights are in twips (15 to the pixel at 96 dpi);
// colours are 0x00BBGGRR values, turned into real colours at the widget edge.
class Label {
public:
    virtual ~Label() = default;

    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
    virtual void setForeColor(quint32 bgr) = 0;
    virtual int height() const = 0;
    virtual void setHeight(int twips) = 0;
};

// A picture control. A file that cannot be loaded leaves the picture as it was.
class Picture {
public:
    virtual ~Picture() = default;
    virtual void loadPicture(const QString &path) = 0;
};

// A window timer: fires its handler every interval milliseconds while enabled;
// an interval of 0 means no events. Setting a non-zero interval, or enabling a
// disabled timer, starts a fresh countdown. A handler that waits (and so
// handles events) may see its own timer fire again inside it.
class Timer {
public:
    virtual ~Timer() = default;

    virtual int interval() const = 0;
    virtual void setInterval(int ms) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setHandler(std::function<void()> handler) = 0;
};

} // namespace platform
