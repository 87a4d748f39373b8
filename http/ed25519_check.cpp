// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/ed25519_check.h"

#include <openssl/evp.h>

#include <cerrno>
#include <memory>
#include <vector>

#include <unistd.h>

namespace platform {

namespace {
constexpr qsizetype kKeyBytes = 32;
constexpr qsizetype kSignatureBytes = 64;
constexpr size_t kReadBlock = 256 * 1024;

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

std::optional<QByteArray> Ed25519Check::sha256(int fd) const
{
    const std::unique_ptr<EVP_MD_CTX, ContextFree> context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        return std::nullopt;
    std::vector<unsigned char> block(kReadBlock);
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, block.data(), block.size(), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        if (EVP_DigestUpdate(context.get(), block.data(), size_t(got)) != 1)
            return std::nullopt;
        at += got;
    }
    QByteArray digest(EVP_MAX_MD_SIZE, Qt::Uninitialized);
    unsigned int size = 0;
    if (EVP_DigestFinal_ex(context.get(), reinterpret_cast<unsigned char *>(digest.data()), &size) != 1)
        return std::nullopt;
    digest.truncate(size);
    return digest;
}

} // namespace platform
