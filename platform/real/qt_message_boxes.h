// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/message_box.h"

#include <QPointer>

#include <functional>

class QWidget;

namespace platform {

// Each box belongs to the window the user is working in: a modal window that
// is up, else the active window, else the clock's. It stands over that window
// (transient for it, and on top where the window or the clock is, or the
// window manager would stack it under an on-top clock), and the window, when
// the user was in it, gets the focus back when the box closes.
class QtMessageBoxes final : public MessageBoxes {
public:
    // The clock's window: the owner of boxes no other window of ours asks for.
    void setMainWindow(QWidget *window) { m_mainWindow = window; }
    // What the desktop asks of every box before it is shown, its native
    // window made (under Openbox: no minimise or maximise).
    void setBoxPreparation(std::function<void(QWidget &box)> prepare) { m_prepareBox = std::move(prepare); }

    Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons = Buttons::Ok) override;

private:
    QWidget *owner() const;
    bool onTop(const QWidget *owner) const;

    QPointer<QWidget> m_mainWindow;
    std::function<void(QWidget &)> m_prepareBox;
};

} // namespace platform
