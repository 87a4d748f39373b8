// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/message_box.h"

namespace platform {

class QtMessageBoxes final : public MessageBoxes {
public:
    Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons = Buttons::Ok) override;
};

} // namespace platform
