// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Keeps the clock out of the taskbar and the pager: a small accessory on the
// desktop, not a task. Qt's Qt::Tool gives no such state on X11, so the
// window asks for _NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER
// itself, before it is first shown (Qt keeps states it finds there). Does
// nothing on other platforms.
void keepOutOfTaskbarAndPager(QWidget &window);
