// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/signature_check.h"

#include <QString>

#include <memory>

namespace platform {

// The signature check, loaded from the HTTP module at its first use, so that
// libcrypto is mapped only once an update is on its way. A module that cannot
// be loaded verifies nothing and hashes nothing.
class LazySignatureCheck final : public SignatureCheck {
public:
    explicit LazySignatureCheck(QString modulePath);
    ~LazySignatureCheck() override;

    bool verify(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey) const override;
    std::optional<QByteArray> sha256(int fd) const override;

    bool isLoaded() const { return m_check != nullptr; }

private:
    const SignatureCheck *load() const;

    QString m_modulePath;
    mutable std::unique_ptr<SignatureCheck> m_check;
    mutable bool m_tried = false;
};

} // namespace platform
