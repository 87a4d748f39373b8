// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/program_version.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

namespace platform {
class SignatureCheck;
}

// What a downloaded program must meet before it is started.
struct UpdateRules {
    QList<QByteArray> keys; // raw 32-byte Ed25519 keys that may sign
    qint64 maxBytes = 0;    // the largest program taken
    ProgramVersion running; // the signed version must be newer than this
    QString offeredVersion; // and, when a version was offered, this one; empty: none offered
    QString leastVersion;   // and not older than this, the version list's entry; empty: no list
};

// A downloaded program that passed its checks, as a sealed copy in memory:
// the bytes checked are the bytes started, and nobody, not even this user,
// can change them in between.
class VerifiedProgram {
public:
    struct Outcome {
        std::unique_ptr<VerifiedProgram> program; // null when refused
        QString why;                              // the cause, for the log
        bool untrusted = false;                   // refused for what the server sent; otherwise this machine failed
    };

    // Checks the statement of signatureFile (see UpdateStatement): signed by
    // one of rules.keys, a version newer than the running one, equal to the
    // offered one and not older than the listed one; only then copies the
    // program that fd holds (a regular file of this user's with one name, at
    // most rules.maxBytes) into a memory file sealed against writing, growing
    // and shrinking, and checks the copy's SHA-256. The copy is not
    // executable until prepareToStart.
    static Outcome check(int fd, const QByteArray &signatureFile, const UpdateRules &rules,
                         const platform::SignatureCheck &signatures);
    ~VerifiedProgram();
    VerifiedProgram(const VerifiedProgram &) = delete;
    VerifiedProgram &operator=(const VerifiedProgram &) = delete;

    // Makes the copy executable and lets its descriptor pass to a started
    // program (a script's interpreter opens it again through
    // /proc/self/fd); false, with the cause in *why, when it cannot.
    bool prepareToStart(QString *why);
    // What to start: the sealed copy through its descriptor.
    QString launchPath() const;
    // The version its statement names.
    const QString &version() const { return m_version; }

private:
    VerifiedProgram(int fd, QString version);
    int m_fd;
    QString m_version;
};
