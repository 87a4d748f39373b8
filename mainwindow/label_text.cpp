// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/label_text.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr Qt::Alignment kAlignment = Qt::AlignHCenter | Qt::AlignTop;
constexpr qreal kUnboundedWidth = 0x01000000; // never wraps
// Anti-aliasing and hinting may shade a pixel or two beside a glyph's outline.
constexpr int kInkMargin = 2;

bool isPlainLine(const QString &text)
{
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator;
    });
}

// One line as long as the text, never wrapped, as a label lays out plain text.
std::unique_ptr<QTextLayout> lineLayout(const QString &text, const QFont &font)
{
    auto layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::ManualWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    if (line.isValid()) {
        line.setLineWidth(kUnboundedWidth);
        line.setPosition(QPointF(0, 0));
    }
    layout->endLayout();
    return layout;
}

qreal lineAdvance(const QTextLayout &layout)
{
    return layout.lineCount() > 0 ? layout.lineAt(0).horizontalAdvance() : 0;
}

struct Shaped {
    QRawFont font;
    quint32 index;
    QPointF position;
};

std::vector<Shaped> shapedGlyphs(const QTextLayout &layout)
{
    std::vector<Shaped> glyphs;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        const QRawFont font = run.rawFont();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
            glyphs.push_back({font, indexes[i], positions[i]});
    }
    return glyphs;
}

// Characters whose shape depends on no neighbour beyond what the pair test
// sees (kerning, two-letter ligatures): Latin and the common punctuation.
bool isSimpleCharacter(QChar c)
{
    if (c.isSurrogate() || c.isMark() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
        return false;
    const QChar::Script script = c.script();
    return script == QChar::Script_Latin || script == QChar::Script_Common;
}

quint32 pairKey(QChar first, QChar second)
{
    return quint32(first.unicode()) << 16 | second.unicode();
}

} // namespace

QRect LabelText::change(const QString &text, const QFont &font, const QSize &box, Learning learning)
{
    const QRect wholeBox(QPoint(0, 0), box);
    const bool sameLook = m_laidOut && font == m_font && box == m_box;
    if (sameLook && text == m_text)
        return {};
    if (!(font == m_font)) {
        m_pieces.clear();
        m_pairKerning.clear();
    }
    const std::vector<PlacedGlyph> before = std::move(m_glyphs);
    const bool wasPlainLine = m_plainLine;
    m_text = text;
    m_font = font;
    m_box = box;
    m_plainLine = isPlainLine(text);
    layOut(learning);
    if (!sameLook || !wasPlainLine || !m_plainLine)
        return wholeBox;
    return (columnsOf(before, m_glyphs) | columnsOf(m_glyphs, before)) & wholeBox;
}

void LabelText::layOut(Learning learning)
{
    m_laidOut = true;
    m_glyphs.clear();
    if (!m_plainLine)
        return; // QPainter lays it out as it draws it
    if ((learning == Learning::Yes || knowsEveryPieceOf(m_text)) && composeFromPieces())
        return;
    // Centred by hand in the box as QPainter::drawText centres it, to the pixel.
    const std::unique_ptr<QTextLayout> layout = lineLayout(m_text, m_font);
    m_left = (m_box.width() - lineAdvance(*layout)) / 2;
    for (const Shaped &glyph : shapedGlyphs(*layout))
        place(glyph.font, glyph.index, glyph.position + QPointF(m_left, 0));
}

bool LabelText::composeFromPieces()
{
    std::vector<const Piece *> pieces;
    std::vector<qreal> kerning; // after each piece, before the next
    pieces.reserve(std::size_t(m_text.size()));
    kerning.reserve(std::size_t(m_text.size()));
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const Piece *piece = pieceFor(m_text.at(i));
        if (!piece)
            return false;
        if (i > 0) {
            const std::optional<qreal> pair = pairKerning(m_text.at(i - 1), m_text.at(i));
            if (!pair)
                return false;
            kerning.push_back(*pair);
        }
        pieces.push_back(piece);
    }
    kerning.push_back(0);
    qreal advance = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        advance += pieces[i]->advance + kerning[i];
    m_left = (m_box.width() - advance) / 2;
    qreal pen = m_left;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        place(pieces[i]->font, pieces[i]->index, pieces[i]->offset + QPointF(pen, 0));
        pen += pieces[i]->advance + kerning[i];
    }
    return true;
}

void LabelText::place(const QRawFont &font, quint32 index, const QPointF &position)
{
    QRect ink;
    const QRectF outline = font.boundingRect(index).translated(position);
    if (!outline.isEmpty()) {
        ink = QRect(QPoint(int(std::floor(outline.left())), int(std::floor(outline.top()))),
                    QPoint(int(std::ceil(outline.right())), int(std::ceil(outline.bottom()))))
                  .adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin);
    }
    m_glyphs.push_back({font, index, position, ink});
}

bool LabelText::knowsEveryPieceOf(const QString &text) const
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!m_pieces.contains(text.at(i).unicode()))
            return false;
        if (i > 0 && !m_pairKerning.contains(pairKey(text.at(i - 1), text.at(i))))
            return false;
    }
    return true;
}

const LabelText::Piece *LabelText::pieceFor(QChar c)
{
    auto known = m_pieces.constFind(c.unicode());
    if (known == m_pieces.cend()) {
        std::optional<Piece> piece;
        if (isSimpleCharacter(c)) {
            const std::unique_ptr<QTextLayout> layout = lineLayout(QString(c), m_font);
            const std::vector<Shaped> glyphs = shapedGlyphs(*layout);
            if (glyphs.size() == 1)
                piece = Piece {glyphs[0].font, glyphs[0].index, glyphs[0].position, lineAdvance(*layout)};
        }
        known = m_pieces.insert(c.unicode(), piece);
    }
    return known->has_value() ? &**known : nullptr;
}

std::optional<qreal> LabelText::pairKerning(QChar first, QChar second)
{
    const quint32 key = pairKey(first, second);
    auto known = m_pairKerning.constFind(key);
    if (known == m_pairKerning.cend()) {
        const Piece *a = pieceFor(first);
        const Piece *b = pieceFor(second);
        std::optional<qreal> kerning;
        if (a && b) {
            const std::unique_ptr<QTextLayout> layout = lineLayout(QString(first) + second, m_font);
            const std::vector<Shaped> glyphs = shapedGlyphs(*layout);
            // The same two glyphs, the second only moved along the line.
            if (glyphs.size() == 2 && glyphs[0].index == a->index && glyphs[0].font == a->font
                && glyphs[0].position == a->offset && glyphs[1].index == b->index && glyphs[1].font == b->font
                && glyphs[1].position.y() == b->offset.y()) {
                const qreal shift = glyphs[1].position.x() - (b->offset.x() + a->advance);
                if (lineAdvance(*layout) == a->advance + shift + b->advance)
                    kerning = shift;
            }
        }
        known = m_pairKerning.insert(key, kerning);
    }
    return *known;
}

QRect LabelText::columnsOf(const std::vector<PlacedGlyph> &glyphs, const std::vector<PlacedGlyph> &others) const
{
    QRect columns;
    for (const PlacedGlyph &glyph : glyphs) {
        if (std::find(others.cbegin(), others.cend(), glyph) != others.cend())
            continue;
        if (glyph.ink.isEmpty())
            continue; // a blank
        columns |= QRect(glyph.ink.left(), 0, glyph.ink.width(), m_box.height());
    }
    return columns;
}

void LabelText::draw(QPainter &painter, const QPoint &boxOrigin, const QRect &area) const
{
    if (!m_plainLine) {
        painter.setFont(m_font);
        painter.drawText(QRect(boxOrigin, m_box), int(kAlignment), m_text);
        return;
    }
    const auto shows = [&area](const PlacedGlyph &glyph) {
        return !glyph.ink.isEmpty() && (area.isNull() || glyph.ink.intersects(area));
    };
    // Glyphs of one font in a row go out as one run.
    for (std::size_t first = 0; first < m_glyphs.size();) {
        std::size_t end = first + 1;
        while (end < m_glyphs.size() && m_glyphs[end].font == m_glyphs[first].font)
            ++end;
        QList<quint32> indexes;
        QList<QPointF> positions;
        for (std::size_t i = first; i < end; ++i) {
            if (!shows(m_glyphs[i]))
                continue;
            indexes.push_back(m_glyphs[i].index);
            positions.push_back(m_glyphs[i].position);
        }
        if (indexes.isEmpty()) {
            first = end;
            continue;
        }
        QGlyphRun run;
        run.setRawFont(m_glyphs[first].font);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(boxOrigin), run);
        first = end;
    }
}
