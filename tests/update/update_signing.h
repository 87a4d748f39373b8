// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// A publisher's key pair for tests, made and used through
// scripts/sign-update.sh, as a publisher would.
class TestSigner {
public:
    TestSigner()
    {
        m_keyFile = m_folder.filePath(QStringLiteral("test-only-key.pem"));
        m_publicKeyText = run({QStringLiteral("keygen"), m_keyFile}).trimmed();
        m_publicKey = QByteArray::fromBase64(m_publicKeyText);
    }

    // The content of FILE.sig for content published as version.
    QByteArray sign(const QByteArray &content, const QString &version = QString::fromLatin1(kVersion))
    {
        const QString file = m_folder.filePath(QStringLiteral("signed-%1").arg(++m_count));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
            return QByteArray();
        out.close();
        m_lastSignatureFile = file + QStringLiteral(".sig");
        run({QStringLiteral("sign"), m_keyFile, file, version});
        QFile signature(m_lastSignatureFile);
        return signature.open(QIODevice::ReadOnly) ? signature.readAll() : QByteArray();
    }
    // A version list as served, signed as of date (yyyyMMddTHHmmssZ) for days.
    QByteArray signList(const QByteArray &list, const QString &date, int days = 30)
    {
        const QString file = m_folder.filePath(QStringLiteral("list-%1").arg(++m_count));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(list) != list.size())
            return QByteArray();
        out.close();
        run({QStringLiteral("sign-list"), m_keyFile, file, QString::number(days), date});
        QFile signedList(file + QStringLiteral(".signed"));
        return signedList.open(QIODevice::ReadOnly) ? signedList.readAll() : QByteArray();
    }
    // The version signed when none is named: the one the tests offer.
    static constexpr const char *kVersion = "1.2.4";

    QByteArray publicKey() const { return m_publicKey; }         // 32 raw bytes
    QByteArray publicKeyText() const { return m_publicKeyText; } // as the build takes it
    QString keyFile() const { return m_keyFile; }
    QString lastSignatureFile() const { return m_lastSignatureFile; }

    // Runs the script; its standard output.
    static QByteArray run(const QStringList &arguments, int *exitCode = nullptr)
    {
        QProcess script;
        script.start(QStringLiteral(HORALUX_SIGN_SCRIPT), arguments);
        script.waitForFinished(30000);
        if (exitCode)
            *exitCode = script.exitStatus() == QProcess::NormalExit ? script.exitCode() : -1;
        return script.readAllStandardOutput();
    }

private:
    QTemporaryDir m_folder;
    QString m_keyFile;
    QString m_lastSignatureFile;
    QByteArray m_publicKeyText;
    QByteArray m_publicKey;
    int m_count = 0;
};
