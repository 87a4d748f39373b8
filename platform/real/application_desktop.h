// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/desktop.h"

namespace platform {

class ApplicationDesktop final : public Desktop {
public:
    QString programFolder() const override;
    QString programFile() const override;
    QString startCommand() const override;
};

// The launcher <prefix>/bin/horalux when the program lies installed as
// <prefix>/lib/horalux/<file> (or libexec) and that launcher is there to run;
// otherwise the program file itself, as run from a build.
QString startCommandFor(const QString &programFile);

} // namespace platform
