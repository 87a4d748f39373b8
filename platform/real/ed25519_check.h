// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/signature_check.h"

namespace platform {

// Ed25519 through OpenSSL's libcrypto. Built into the loadable HTTP module
// only, so the resident clock does not map libcrypto.
class Ed25519Check final : public SignatureCheck {
public:
    bool verify(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey) const override;
};

} // namespace platform
