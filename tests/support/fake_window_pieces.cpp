// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_window_pieces.h"

#include "fake_event_loop.h"

#include <algorithm>

void ChangeLog::record(const QString &piece, const QString &what, const QString &value)
{
    changes.push_back({loop.now(), piece, what, value});
}

QStringList ChangeLog::values(const QString &piece, const QString &what) const
{
    QStringList out;
    for (const PieceChange &c : changes) {
        if (c.piece == piece && c.what == what)
            out << c.value;
    }
    return out;
}

FakeLabel::FakeLabel(QString name, ChangeLog &log, int heightTwips, QString text)
    : m_name(std::move(name)),
      m_log(log),
      m_text(std::move(text)),
      m_height(heightTwips),
      m_minHeight(heightTwips)
{
}

void FakeLabel::setText(const QString &text)
{
    m_text = text;
    m_log.record(m_name, QStringLiteral("text"), text);
}

void FakeLabel::setForeColor(quint32 bgr)
{
    m_colour = bgr;
    m_log.record(m_name, QStringLiteral("colour"), QStringLiteral("%1").arg(bgr, 8, 16, QLatin1Char('0')).toUpper());
}

void FakeLabel::setHeight(int twips)
{
    m_height = twips;
    m_minHeight = std::min(m_minHeight, twips);
    m_log.record(m_name, QStringLiteral("height"), QString::number(twips));
}

void FakePicture::loadPicture(const QString &path)
{
    if (unreadable.contains(path))
        return;
    m_current = path;
    m_log.record(m_name, QStringLiteral("picture"), path);
}
