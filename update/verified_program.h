// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

namespace platform {
class SignatureCheck;
}

// A downloaded program whose signature verified, held open: it is checked
// and started through the same descriptor, so nobody can put another file
// under its name in between.
class VerifiedProgram {
public:
    // Decodes a signature file: standard base64 of 64 bytes on one line (a
    // final line break allowed). Empty when it is anything else.
    static QByteArray signatureFromText(const QByteArray &text);

    // Opens path (not through a symbolic link; a regular file of this user
    // with one name, at most maxBytes) and verifies signature over its exact
    // bytes against each key. Null, with the cause in *why, when it does not verify.
    static std::unique_ptr<VerifiedProgram> open(const QString &path, const QByteArray &signature,
                                                 const QList<QByteArray> &keys, const platform::SignatureCheck &check,
                                                 qint64 maxBytes, QString *why);
    ~VerifiedProgram();
    VerifiedProgram(const VerifiedProgram &) = delete;
    VerifiedProgram &operator=(const VerifiedProgram &) = delete;

    // Makes the file executable for this user only and lets the descriptor
    // pass to a started program; false (cause in *why) when it cannot.
    bool prepareToStart(QString *why);
    // What to start: the verified file through its descriptor.
    QString launchPath() const;

private:
    explicit VerifiedProgram(int fd);
    int m_fd;
};
