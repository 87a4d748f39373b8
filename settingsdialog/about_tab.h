// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

struct SettingsDialogControls;

// The "About" tab: the version line; its two links are the dialog's.
// Nothing on it is stored, so it has nothing to apply or reset.
class AboutTab {
    Q_DECLARE_TR_FUNCTIONS(AboutTab)

public:
    explicit AboutTab(const SettingsDialogControls &controls) : m_controls(controls) {}
    void load();

private:
    const SettingsDialogControls &m_controls;
};
