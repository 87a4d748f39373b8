// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's own tabs tell a screen reader that the current tab has the focus
// whether or not the tab strip has it, so with the focus on a check box two
// objects are focused at once. The settings dialog's tab strip speaks through
// this instead: a tab is focused only while the strip has the focus.
namespace tab_bar_accessible {

// Installs the interface for every tab strip; once is enough.
void install();

} // namespace tab_bar_accessible
