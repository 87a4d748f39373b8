// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// The user hears of trouble only through message boxes.
class MessageBoxes {
public:
    enum class Icon { None, Information, Exclamation, Critical };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;
    // Shows a modal message box and returns the button the user chose.
    virtual Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons = Buttons::Ok) = 0;
};

} // namespace platform
