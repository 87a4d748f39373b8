// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/about_tab.h"

#include "settingsdialog/settings_dialog_layout.h"

#include "horalux_version.h"

#include <QLabel>

void AboutTab::load()
{
    m_controls.versionLabel->setText(tr("This is version %1").arg(QString::fromLatin1(horalux_version::Dotted)));
}
