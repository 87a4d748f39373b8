// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/signature_check.h"

namespace platform {

// Ed25519 and SHA-256 through OpenSSL's libcrypto (which uses the
// processor's SHA instructions where it has them). Built into the loadable HTTP module
// only, so the resident clock does not map libcrypto.
class Ed25519Check final : public SignatureCheck {
public:
    bool verify(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey) const override;
    std::optional<QByteArray> sha256(int fd) const override;
};

} // namespace platform
