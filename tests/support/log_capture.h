// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <QtGlobal>

// Collects what the clock logs in its horalux.* categories, every level
// turned on, for as long as it lives; other messages go where they went
// before. One at a time.
class LogCapture {
public:
    struct Message {
        QString category;
        QtMsgType type;
        QString text;
    };

    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QList<Message> messages() const;
    // The texts logged in one category.
    QStringList texts(const QString &category) const;
    void clear();
};
