// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_policy.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
constexpr qsizetype kKeyBytes = 32;
} // namespace

QList<QByteArray> publicKeysFromText(const QString &commaSeparated)
{
    QList<QByteArray> keys;
    for (const QString &text : commaSeparated.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto decoded =
            QByteArray::fromBase64Encoding(text.trimmed().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (decoded && decoded.decoded.size() == kKeyBytes)
            keys << decoded.decoded;
    }
    return keys;
}

UpdatePolicy UpdatePolicy::fromBuild(const QString &programFolder)
{
    UpdatePolicy policy;
    policy.selfUpdate = HORALUX_SELF_UPDATE != 0
        && !QFileInfo::exists(QDir(programFolder).filePath(QLatin1String(kPackageManagedMarker)));
    policy.publicKeys = publicKeysFromText(QStringLiteral(HORALUX_UPDATE_PUBLIC_KEYS));
    policy.maxBytes = HORALUX_UPDATE_MAX_BYTES;
    return policy;
}
