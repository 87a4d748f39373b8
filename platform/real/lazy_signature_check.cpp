// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/lazy_signature_check.h"

#include "platform/http_module.h"

#include <QLibrary>

namespace platform {

LazySignatureCheck::LazySignatureCheck(QString modulePath) : m_modulePath(std::move(modulePath))
{
}

LazySignatureCheck::~LazySignatureCheck() = default;

const SignatureCheck *LazySignatureCheck::load() const
{
    if (!m_tried) {
        m_tried = true;
        QLibrary module(m_modulePath);
        module.setLoadHints(QLibrary::PreventUnloadHint); // the check's code lives in it
        if (auto create =
                reinterpret_cast<CreateSignatureCheckFunction>(module.resolve("horalux_create_signature_check")))
            m_check.reset(create());
    }
    return m_check.get();
}

bool LazySignatureCheck::verify(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey) const
{
    const SignatureCheck *check = load();
    return check && check->verify(message, signature, publicKey);
}

std::optional<QByteArray> LazySignatureCheck::sha256(int fd) const
{
    const SignatureCheck *check = load();
    return check ? check->sha256(fd) : std::nullopt;
}

} // namespace platform
