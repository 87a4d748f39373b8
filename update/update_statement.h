// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What a publisher signs for one update program, as its .sig file holds it:
//
//   horalux-update-v1
//   version 1.2.4
//   sha256 <the program's SHA-256, 64 lower-case hex digits>
//   signature <base64 of the 64-byte Ed25519 signature of the three lines above>
//
// Each line ends in a line feed (the last one may lack it). The signature
// covers the first three lines exactly as they stand, line feeds included,
// so it says which product, which version and which bytes.
struct UpdateStatement {
    QByteArray signedText; // the three signed lines
    QString version;       // digits and dots
    QByteArray sha256;     // 32 bytes
    QByteArray signature;  // 64 bytes

    // The statement of a .sig file; nothing when the file is anything else.
    static std::optional<UpdateStatement> fromSignatureFile(const QByteArray &file);
};
