// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/ed25519_check.h"

#include <openssl/evp.h>

#include <memory>

namespace platform {

namespace {
constexpr qsizetype kKeyBytes = 32;
constexpr qsizetype kSignatureBytes = 64;

struct KeyFree {
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct ContextFree {
    void operator()(EVP_MD_CTX *context) const { EVP_MD_CTX_free(context); }
};
} // namespace

bool Ed25519Check::verify(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey) const
{
    if (signature.size() != kSignatureBytes || publicKey.size() != kKeyBytes)
        return false;
    const std::unique_ptr<EVP_PKEY, KeyFree> key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char *>(publicKey.data()), size_t(kKeyBytes)));
    const std::unique_ptr<EVP_MD_CTX, ContextFree> context(EVP_MD_CTX_new());
    if (!key || !context)
        return false;
    // Ed25519 hashes the message itself: no digest is named, and the whole
    // message goes in one call.
    if (EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char *>(signature.data()),
                            size_t(kSignatureBytes),
                            message.empty() ? reinterpret_cast<const unsigned char *>("")
                                            : reinterpret_cast<const unsigned char *>(message.data()),
                            size_t(message.size()))
        == 1;
}

} // namespace platform
