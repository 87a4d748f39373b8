// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

// A label's text laid out once and kept: a roll repaints its label a row at a
// time, some seventy times a zone, and shaping the text for every row costs
// more than painting it. Drawn exactly as QLabel draws plain text: centred,
// from the top of its box.
class LabelText {
public:
    // Whether a new text may teach the label the characters and pairs it
    // has not met: two small layouts each, which pay for themselves only
    // in a label whose text keeps changing on screen. Without, a text of
    // characters not all met before is shaped whole.
    enum class Learning { Yes, No };

    // Lays out `text` for a box of `box` size and returns the part of the box
    // whose pixels may differ from the previous text's: the columns of the
    // glyphs that came, went or moved. Nothing when nothing changed.
    QRect change(const QString &text, const QFont &font, const QSize &box, Learning learning = Learning::Yes);

    // Draws the text with its box's top left at `boxOrigin`, in the painter's
    // pen; the caller clips (a label never paints outside its box). Only the
    // glyphs whose ink reaches `area` (box coordinates) are drawn: a repaint
    // of one digit or of one row of a roll draws what it shows.
    void draw(QPainter &painter, const QPoint &boxOrigin, const QRect &area = QRect()) const;

    const QString &text() const { return m_text; }

private:
    struct PlacedGlyph {
        QRawFont font;
        quint32 index = 0;
        QPointF position;
        QRect ink; // the pixels it may shade; empty for a blank
        bool operator==(const PlacedGlyph &other) const
        {
            return index == other.index && position == other.position && font == other.font;
        }
    };

    // One character as the font shapes it on its own.
    struct Piece {
        QRawFont font;
        quint32 index = 0;
        QPointF offset; // from the pen position
        qreal advance = 0;
    };

    void layOut(Learning learning);
    // The text's glyphs put together from its characters, when shaping the
    // text whole would give the same: every character is one glyph of a
    // simple script and every neighbouring pair shapes as its two parts,
    // at most moved closer or apart (kerning; no ligature). A new second
    // costs lookups, not shaping.
    bool composeFromPieces();
    bool knowsEveryPieceOf(const QString &text) const;
    const Piece *pieceFor(QChar c);
    // How far the font moves the second character of the pair along the
    // line; none when the pair does not shape as its two parts.
    std::optional<qreal> pairKerning(QChar first, QChar second);
    void place(const QRawFont &font, quint32 index, const QPointF &position);
    QRect columnsOf(const std::vector<PlacedGlyph> &glyphs, const std::vector<PlacedGlyph> &others) const;

    QString m_text;
    QFont m_font;
    QSize m_box;
    // Tabs and line breaks take QPainter's own text layout; they are drawn
    // as it draws them, every time.
    bool m_plainLine = true;
    bool m_laidOut = false;
    qreal m_left = 0; // where the line starts in the box
    std::vector<PlacedGlyph> m_glyphs;
    // For m_font, learnt as texts come: per character, and per pair.
    QHash<char16_t, std::optional<Piece>> m_pieces;
    QHash<quint32, std::optional<qreal>> m_pairKerning;
};
