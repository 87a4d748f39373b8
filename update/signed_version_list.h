// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace platform {
class SettingsStore;
class SignatureCheck;
} // namespace platform

// A version list as its publisher signs it: the list's lines, then
//
//   date 20260601T120000Z
//   valid-until 20260701T120000Z
//   signature <base64 of the 64-byte Ed25519 signature>
//
// The signature covers kSignedListHeader and every byte before the
// signature line, line feeds included. The dates are UTC.
struct SignedVersionList {
    static constexpr const char *kSignedListHeader = "horalux-version-list-v1\n";

    QByteArray list; // the lines before "date"
    QDateTime date;
    QDateTime validUntil;
    QByteArray signedText;
    QByteArray signature; // 64 bytes

    // Nothing when the text does not end in those three lines.
    static std::optional<SignedVersionList> fromText(const QByteArray &text);
};

// The date of a signed list as written: yyyyMMddTHHmmssZ; invalid for anything else.
QDateTime signedListDate(const QByteArray &text);

// What the build trusts a version list by.
struct VersionListTrust {
    QList<QByteArray> keys; // the publisher's; none: a list is taken unsigned, as it comes
    const platform::SignatureCheck *signatures = nullptr;
};

// The list to read the entry from: where the build has no key, the answer as
// it came; otherwise only the list of a signed one that verifies with a key,
// is valid at now and is no older than the newest signed list seen, which it
// then becomes (its date and entry kept in the settings). Nothing, and one
// log line in horalux.update, for any other.
std::optional<QString> trustedVersionList(const QByteArray &answer, const VersionListTrust &trust,
                                          platform::SettingsStore &store, const QDateTime &now);

// The entry of the newest signed list seen; empty when none was.
QString newestListedVersion(platform::SettingsStore &store);
