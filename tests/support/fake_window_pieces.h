// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/window_pieces.h"

#include <QSet>
#include <QStringList>

#include <vector>

class FakeEventLoop;

// One visible change of a window piece, stamped with virtual time.
struct PieceChange {
    qint64 at;
    QString piece;
    QString what; // "text", "colour", "height", "picture"
    QString value;
};

// Shared by the pieces of one fake window, so a test sees every change in order.
struct ChangeLog {
    explicit ChangeLog(const FakeEventLoop &loop) : loop(loop) {}
    void record(const QString &piece, const QString &what, const QString &value);
    // The values one piece took for one kind of change, in order.
    QStringList values(const QString &piece, const QString &what) const;

    const FakeEventLoop &loop;
    std::vector<PieceChange> changes;
};

class FakeLabel final : public platform::Label {
public:
    FakeLabel(QString name, ChangeLog &log, int heightTwips = 255, QString text = QString());

    void setText(const QString &text) override;
    QString text() const override { return m_text; }
    void setForeColor(quint32 bgr) override;
    int height() const override { return m_height; }
    void setHeight(int twips) override;
    quint32 foreColor() const { return m_colour; }
    int minHeightSeen() const { return m_minHeight; }

private:
    QString m_name;
    ChangeLog &m_log;
    QString m_text;
    quint32 m_colour = 0;
    int m_height;
    int m_minHeight;
};

class FakePicture final : public platform::Picture {
public:
    FakePicture(QString name, ChangeLog &log) : m_name(std::move(name)), m_log(log) {}
    void loadPicture(const QString &path) override;
    QString current() const { return m_current; }
    // Files that fail to load, as a missing or damaged file would.
    QSet<QString> unreadable;

private:
    QString m_name;
    ChangeLog &m_log;
    QString m_current = QStringLiteral("(built-in)");
};
