// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview.h"

#include "layout.h"
#include "scenes.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

struct SampleLabels {
    QString zoneName;
    QString time;
    QString date;
};

SampleLabels samplesFor(Scene scene)
{
    switch (scene) {
    case Scene::Day: return {"London", "12:05:09 pm", "27th September 2026"};
    case Scene::Eve: return {"New York", "7:05:09 pm", "07th December 2026"};
    case Scene::Night: return {"Buenos Aires", "10:48:30 pm", "21st March 2026"};
    case Scene::Nighttime: return {"Tokyo", "11:59:59 pm", "31st December 2026"};
    case Scene::Default: return {"Los Angeles", "8:00:00 am", "01st January 2026"};
    }
    Q_UNREACHABLE();
}

QFont labelFont(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize); // 8.25 pt and 20.25 pt at 96 dpi
    return font;
}

QImage compose(Scene scene, const QImage &background, const QImage &arrow, int scale)
{
    QImage image((layout::kWindow * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), layout::kWindow), background);
    const SampleLabels text = samplesFor(scene);
    const LabelInk ink = labelInk(scene);
    p.setFont(labelFont(11));
    p.setPen(ink.zoneName);
    p.drawText(layout::kZoneNameLabel, Qt::AlignCenter, text.zoneName);
    p.setPen(ink.date);
    p.drawText(layout::kDateLabel, Qt::AlignCenter, text.date);
    p.setFont(labelFont(27));
    p.setPen(ink.time);
    p.drawText(layout::kTimeLabel, Qt::AlignCenter, text.time);
    p.drawImage(layout::kNextArrow, arrow);
    p.end();
    image.setDevicePixelRatio(1);
    return image;
}

double luminance(QColor colour)
{
    const auto channel = [](float c) { return c <= 0.03928f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

// WCAG contrast ratio, 1 (none) to 21 (black on white).
double contrast(QColor a, QColor b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QString contrastReport(const QImage &background, const QRectF &box, const QColor &ink)
{
    std::vector<double> ratios;
    const QRect pixels = box.toAlignedRect().intersected(background.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ratios.push_back(contrast(background.pixelColor(x, y), ink));
    std::sort(ratios.begin(), ratios.end());
    return QStringLiteral("min %1 median %2").arg(ratios.front(), 5, 'f', 1).arg(ratios[ratios.size() / 2], 5, 'f', 1);
}

QImage sheet(QSize size, QColor fill)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

} // namespace

bool writePreviews(const QString &dataDir, const QString &previewDir)
{
    QTextStream out(stdout);
    const QDir data(dataDir);
    const QDir previews(previewDir);
    const QImage arrow(data.filePath("next.png"));
    const QImage arrow2x(data.filePath("next@2x.png"));
    if (arrow.isNull() || arrow2x.isNull()) {
        out << "cannot read back the arrow pictures from " << dataDir << '\n';
        return false;
    }

    constexpr int rowGap = 8;
    const int rows = int(kAllScenes.size());
    QImage scenes = sheet(QSize(2 * 360 + 3 * rowGap, rows * (160 + rowGap) + rowGap), QColor(0x808080));
    QImage arrows = sheet(QSize(rows * (26 * 6 + rowGap) + rowGap, 20 * 6 + 2 * rowGap), QColor(0x808080));
    QPainter scenesPainter(&scenes);
    QPainter arrowsPainter(&arrows);
    bool ok = true;
    for (int row = 0; row < rows; ++row) {
        const Scene scene = kAllScenes[row];
        const QString name = sceneName(scene);
        const QImage background(data.filePath(name + ".bmp"));
        const QImage background2x(data.filePath(name + "@2x.bmp"));
        if (background.isNull() || background2x.isNull()) {
            out << "cannot read back " << name << ".bmp or its @2x\n";
            ok = false;
            continue;
        }
        const QImage shown = compose(scene, background, arrow, 1);
        const QImage shown2x = compose(scene, background2x, arrow2x, 2);
        ok = shown.save(previews.filePath("scene-" + name + ".png")) && ok;
        ok = shown2x.save(previews.filePath("scene-" + name + "@2x.png")) && ok;
        const int top = rowGap + row * (160 + rowGap);
        // The 1x picture doubled pixel for pixel, beside the real 2x one.
        scenesPainter.drawImage(QRect(rowGap, top, 360, 160), shown);
        scenesPainter.drawImage(QPoint(360 + 2 * rowGap, top), shown2x);

        // The arrow's corner of the 2x scene, magnified threefold.
        const QImage corner = shown2x.copy(QRect(QPoint(159, 60) * 2, QSize(26, 20)));
        arrowsPainter.drawImage(QRect(rowGap + row * (26 * 6 + rowGap), rowGap, 26 * 6, 20 * 6), corner);

        const LabelInk ink = labelInk(scene);
        out << qSetFieldWidth(11) << Qt::left << name << qSetFieldWidth(0) << "contrast  name "
            << contrastReport(background, layout::kZoneNameLabel, ink.zoneName) << " | time "
            << contrastReport(background, layout::kTimeInk, ink.time) << " | date "
            << contrastReport(background, layout::kDateInk, ink.date) << '\n';
    }
    scenesPainter.end();
    arrowsPainter.end();
    ok = scenes.save(previews.filePath("scenes.png")) && ok;
    ok = arrows.save(previews.filePath("arrow-corners.png")) && ok;

    // Icons on a light and a dark strip, each also magnified for the small ones.
    const std::array sizes {16, 32, 48, 64, 128, 256};
    QImage icons =
        sheet(QSize(16 + 32 + 48 + 64 + 128 + 256 + 2 * 256 + 9 * rowGap, 2 * (256 + rowGap) + rowGap), Qt::white);
    QPainter iconsPainter(&icons);
    iconsPainter.fillRect(QRect(0, 256 + rowGap + rowGap / 2, icons.width(), icons.height()), QColor(0x2b2b2b));
    int x = rowGap;
    for (int size : sizes) {
        const QImage icon(data.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/horalux.png").arg(size)));
        if (icon.isNull()) {
            out << "cannot read back the " << size << " px icon\n";
            ok = false;
            continue;
        }
        iconsPainter.drawImage(QPoint(x, rowGap), icon);
        iconsPainter.drawImage(QPoint(x, 256 + 2 * rowGap), icon);
        x += size + rowGap;
    }
    for (int size : {16, 32}) {
        const QImage icon(data.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/horalux.png").arg(size)));
        const int zoom = 256 / size;
        iconsPainter.drawImage(QRect(x, rowGap, 256, 256), icon.scaled(size * zoom, size * zoom));
        iconsPainter.drawImage(QRect(x, 256 + 2 * rowGap, 256, 256), icon.scaled(size * zoom, size * zoom));
        x += 256 + rowGap;
    }
    iconsPainter.end();
    ok = icons.save(previews.filePath("icons.png")) && ok;

    const QImage logo(data.filePath("logo.png"));
    const QImage logo2x(data.filePath("logo@2x.png"));
    QImage logos = sheet(QSize(2 * (168 + 336) + 5 * rowGap, 328 + 2 * rowGap), Qt::white);
    QPainter logosPainter(&logos);
    logosPainter.fillRect(QRect(logos.width() / 2, 0, logos.width() / 2, logos.height()), QColor(0x2b2b2b));
    logosPainter.drawImage(QPoint(rowGap, rowGap), logo);
    logosPainter.drawImage(QPoint(168 + 2 * rowGap, rowGap), logo2x);
    logosPainter.drawImage(QPoint(logos.width() / 2 + rowGap, rowGap), logo);
    logosPainter.drawImage(QPoint(logos.width() / 2 + 168 + 2 * rowGap, rowGap), logo2x);
    logosPainter.end();
    ok = logos.save(previews.filePath("logo.png")) && ok;
    return ok;
}
