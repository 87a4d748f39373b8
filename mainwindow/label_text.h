// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <QString>
#include <QTextLayout>

#include <memory>
#include <vector>

class QPainter;

// A label's text laid out once and kept: a roll repaints its label a row at a
// time, some seventy times a zone, and shaping the text for every row costs
// more than painting it. Drawn exactly as QLabel draws plain text: centred,
// from the top of its box.
class LabelText {
public:
    // Lays out `text` for a box of `box` size and returns the part of the box
    // whose pixels may differ from the previous text's: the columns of the
    // glyphs that came, went or moved. Nothing when nothing changed.
    QRect change(const QString &text, const QFont &font, const QSize &box);

    // Draws the text with its box's top left at `boxOrigin`, in the painter's
    // pen; the caller clips (a label never paints outside its box).
    void draw(QPainter &painter, const QPoint &boxOrigin) const;

    const QString &text() const { return m_text; }

private:
    struct PlacedGlyph {
        QRawFont font;
        quint32 index = 0;
        QPointF position;
        bool operator==(const PlacedGlyph &other) const
        {
            return index == other.index && position == other.position && font == other.font;
        }
    };

    void layOut();
    std::vector<PlacedGlyph> placedGlyphs() const;
    QRect columnsOf(const std::vector<PlacedGlyph> &glyphs, const std::vector<PlacedGlyph> &others) const;

    QString m_text;
    QFont m_font;
    QSize m_box;
    // Tabs and line breaks take QPainter's own text layout; they are drawn
    // as it draws them, every time.
    bool m_plainLine = true;
    std::unique_ptr<QTextLayout> m_layout;
    qreal m_left = 0; // where the line starts in the box
    std::vector<PlacedGlyph> m_glyphs;
};
