// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/label_text.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

QFont liberation(double points)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    return font;
}

QImage blank(const QSize &box)
{
    QImage image(box, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The text as QPainter draws a label's plain text, shaped whole.
QImage drawnWhole(const QString &text, const QFont &font, const QSize &box)
{
    QImage image = blank(box);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(0, 0), box), Qt::AlignHCenter | Qt::AlignTop, text);
    return image;
}

QImage drawnBy(const LabelText &label, const QSize &box)
{
    QImage image = blank(box);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    label.draw(painter, QPoint(0, 0));
    return image;
}

// Every text the time label shows puts together the same few pairs: each
// digit after each digit, around the colons and before am and pm.
QStringList everyPairOfTheTimeLabel()
{
    QStringList texts;
    for (int tens = 0; tens < 10; ++tens) {
        QString digits;
        for (int units = 0; units < 10; ++units)
            digits += QString::number(tens) + QString::number(units) + QLatin1Char(':');
        texts << digits;
    }
    for (int hour = 1; hour <= 12; ++hour) {
        texts << QStringLiteral("%1:09:59 am").arg(hour) << QStringLiteral("%1:50:05 pm").arg(hour);
        texts << QStringLiteral("%1:00:00").arg(hour + 11, 2, 10, QLatin1Char('0'));
    }
    return texts;
}

TEST(LabelText, DrawsEachTextAsQPainterShapesItWhole)
{
    const struct {
        double points;
        QSize box;
        QStringList texts;
    } cases[] = {
        {20.25, {166, 35}, everyPairOfTheTimeLabel()},
        // Kerned pairs (AV, Wa, To, Yo) keep their kerning when put together;
        // ligatures (fi, fl) must not be put together.
        {8.25,
         {140, 17},
         {QStringLiteral("Wellington, New Zealand"), QStringLiteral("AVAST Tower, Yokohama"),
          QStringLiteral("office fluff fit"), QStringLiteral("Pacific Time, USA"),
          QStringLiteral("Brasilia + Greenland"), QStringLiteral("Kathmandu & Pokhara"),
          QStringLiteral("Zürich, Ærø, Łódź"), QStringLiteral("Αθήνα + Москва"), QStringLiteral("東京"),
          QStringLiteral("a\u0301 combining"), QStringLiteral("")}},
        {8.25,
         {150, 17},
         {QStringLiteral("07th December 2026"), QStringLiteral("21st March 2027"), QStringLiteral("22nd février 2027"),
          QStringLiteral("03rd października 2026")}},
    };
    for (const auto &c : cases) {
        const QFont font = liberation(c.points);
        // One label through all its texts, as the clock uses it: what it
        // learnt from the texts before must not spoil the next. The first
        // round goes as before the window shows, learning nothing.
        LabelText label;
        for (int round = 0; round < 3; ++round) {
            for (const QString &text : c.texts) {
                label.change(text, font, c.box, round == 0 ? LabelText::Learning::No : LabelText::Learning::Yes);
                EXPECT_TRUE(drawnBy(label, c.box) == drawnWhole(text, font, c.box)) << text.toStdString();
            }
        }
    }
}

TEST(LabelText, ANewFontIsLearntAfresh)
{
    LabelText label;
    const QSize box(166, 35);
    for (const double points : {20.25, 8.25, 30.0}) {
        label.change(QStringLiteral("12:34:56"), liberation(points), box);
        EXPECT_TRUE(drawnBy(label, box) == drawnWhole(QStringLiteral("12:34:56"), liberation(points), box)) << points;
    }
}

} // namespace
