// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace platform {

// Checks Ed25519 signatures (RFC 8032, the pure scheme over the message
// itself) and hashes what is to be checked with SHA-256.
class SignatureCheck {
public:
    virtual ~SignatureCheck() = default;
    // True when signature (64 bytes) was made over message with the private
    // key of publicKey (32 raw bytes). Anything malformed is false.
    virtual bool verify(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey) const = 0;
    // The SHA-256 (32 bytes) of all that the open file fd holds, read from
    // its start without moving its offset; nothing when it cannot be read.
    virtual std::optional<QByteArray> sha256(int fd) const = 0;
};

} // namespace platform
