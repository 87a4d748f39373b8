// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/label_text.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <cmath>

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

} // namespace

QRect LabelText::change(const QString &text, const QFont &font, const QSize &box)
{
    const QRect wholeBox(QPoint(0, 0), box);
    const bool sameLook = m_layout && font == m_font && box == m_box;
    if (sameLook && text == m_text)
        return {};
    const std::vector<PlacedGlyph> before = std::move(m_glyphs);
    const bool wasPlainLine = m_plainLine;
    m_text = text;
    m_font = font;
    m_box = box;
    m_plainLine = isPlainLine(text);
    layOut();
    if (!sameLook || !wasPlainLine || !m_plainLine)
        return wholeBox;
    return (columnsOf(before, m_glyphs) | columnsOf(m_glyphs, before)) & wholeBox;
}

void LabelText::layOut()
{
    // One line as long as the text, centred by hand in the box as
    // QPainter::drawText centres it, to the pixel.
    m_layout = std::make_unique<QTextLayout>(m_text, m_font);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::ManualWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    m_layout->setTextOption(option);
    m_layout->setCacheEnabled(true);
    m_layout->beginLayout();
    QTextLine line = m_layout->createLine();
    qreal advance = 0;
    if (line.isValid()) {
        line.setLineWidth(kUnboundedWidth);
        line.setPosition(QPointF(0, 0));
        advance = line.horizontalAdvance();
    }
    m_layout->endLayout();
    m_left = (m_box.width() - advance) / 2;
    m_glyphs = m_plainLine ? placedGlyphs() : std::vector<PlacedGlyph>();
}

std::vector<LabelText::PlacedGlyph> LabelText::placedGlyphs() const
{
    std::vector<PlacedGlyph> glyphs;
    for (const QGlyphRun &run : m_layout->glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        const QRawFont font = run.rawFont();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
            glyphs.push_back({font, indexes[i], positions[i] + QPointF(m_left, 0)});
    }
    return glyphs;
}

QRect LabelText::columnsOf(const std::vector<PlacedGlyph> &glyphs, const std::vector<PlacedGlyph> &others) const
{
    QRect columns;
    for (const PlacedGlyph &glyph : glyphs) {
        if (std::find(others.cbegin(), others.cend(), glyph) != others.cend())
            continue;
        const QRectF ink = glyph.font.boundingRect(glyph.index).translated(glyph.position);
        if (ink.isEmpty())
            continue; // a blank
        const int left = int(std::floor(ink.left())) - kInkMargin;
        const int right = int(std::ceil(ink.right())) + kInkMargin;
        columns |= QRect(left, 0, right - left, m_box.height());
    }
    return columns;
}

void LabelText::draw(QPainter &painter, const QPoint &boxOrigin) const
{
    if (!m_plainLine) {
        painter.setFont(m_font);
        painter.drawText(QRect(boxOrigin, m_box), int(kAlignment), m_text);
        return;
    }
    if (m_layout)
        m_layout->draw(&painter, QPointF(boxOrigin) + QPointF(m_left, 0));
}
