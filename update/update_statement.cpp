// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_statement.h"

#include "update/version_list.h"

#include <QList>

namespace {

constexpr qsizetype kSha256Bytes = 32;
constexpr qsizetype kSignatureBytes = 64;

// The rest of line after "word ", or nothing.
std::optional<QByteArray> field(const QByteArray &line, const QByteArray &word)
{
    if (!line.startsWith(word + ' '))
        return std::nullopt;
    return line.mid(word.size() + 1);
}

bool isLowerHex(const QByteArray &text)
{
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

} // namespace

std::optional<UpdateStatement> UpdateStatement::fromSignatureFile(const QByteArray &file)
{
    QByteArray text = file;
    if (text.endsWith('\n'))
        text.chop(1);
    const QList<QByteArray> lines = text.split('\n');
    if (lines.size() != 4 || lines[0] != "horalux-update-v1")
        return std::nullopt;
    const auto version = field(lines[1], "version");
    const auto hash = field(lines[2], "sha256");
    const auto signature = field(lines[3], "signature");
    if (!version || !hash || !signature)
        return std::nullopt;

    UpdateStatement statement;
    statement.version = QString::fromLatin1(*version);
    if (versionNumber(statement.version).isNull())
        return std::nullopt;
    if (hash->size() != 2 * kSha256Bytes || !isLowerHex(*hash))
        return std::nullopt;
    statement.sha256 = QByteArray::fromHex(*hash);
    const auto decoded = QByteArray::fromBase64Encoding(*signature, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != kSignatureBytes)
        return std::nullopt;
    statement.signature = decoded.decoded;
    statement.signedText = lines[0] + '\n' + lines[1] + '\n' + lines[2] + '\n';
    return statement;
}
