// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>

class QWidget;

// Keeps the clock out of the taskbar and the pager: a small accessory on the
// desktop, not a task. Qt's Qt::Tool gives no such state on X11, so the
// window asks for _NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER
// itself, before it is first shown (Qt keeps states it finds there). Does
// nothing on other platforms.
void keepOutOfTaskbarAndPager(QWidget &window);

// Asks the window manager to keep the window above normal windows, or no
// longer, in place: QWidget::setWindowFlags would destroy the native window
// and map a new one (a flicker, and dialogs left transient for a dead
// window), while the QWindow changes the window manager's state.
void setStaysOnTop(QWidget &window, bool onTop);

// Where the window's top-left corner stands on the screen, asked of the X
// server: just after a window manager has framed a window (Openbox), Qt's own
// idea of its place can stay the frame's corner, 0,0, for a long while.
// Qt's idea elsewhere.
QPoint topLeftOnScreen(const QWidget &window);

// Gives the window the focus for a later start of the program, which the
// user asked for. Under X11 the request comes as a pager's: the clock has no
// taskbar entry, and a later start stands in for one, so a window manager
// that prevents focus stealing (KWin) brings it forward rather than only
// flagging it. Under Wayland the later start's activation token, where it
// had one, is the compositor's leave.
void bringForward(QWidget &window, const QByteArray &token);

// The name the running X11 window manager gives itself (_NET_WM_NAME of its
// _NET_SUPPORTING_WM_CHECK window); empty when there is none or no X11.
QString windowManagerName();

// For a dialog about to be shown: no minimise action under Openbox. Openbox
// keeps minimise on every dialog whatever its Motif hints ask, and
// minimising a transient there hides its whole family, the clock included,
// which has no taskbar entry to come back from. It takes minimise (and
// maximise, full screen) away from toolbars only, so there the dialog is
// typed a toolbar first and a dialog second. Nothing elsewhere: KWin too
// offers minimise on every dialog, but there minimising leaves the clock
// shown, and the one way round (a utility window) has KWin hide the dialog
// whenever another program has the focus.
void withoutMinimiseUnderOpenbox(QWidget &dialog);
