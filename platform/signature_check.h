// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace platform {

// Checks Ed25519 signatures (RFC 8032, the pure scheme over the message itself).
class SignatureCheck {
public:
    virtual ~SignatureCheck() = default;
    // True when signature (64 bytes) was made over message with the private
    // key of publicKey (32 raw bytes). Anything malformed is false.
    virtual bool verify(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey) const = 0;
};

} // namespace platform
