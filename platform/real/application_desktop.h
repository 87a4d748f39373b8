#pragma once

#include "platform/desktop.h"

namespace platform {

class ApplicationDesktop final : public Desktop {
public:
    QString programFolder() const override;
    QString programFile() const override;
};

} // namespace platform
