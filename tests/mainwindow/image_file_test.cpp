// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/image_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

bool anImagePluginIsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    EXPECT_TRUE(maps.open(QIODevice::ReadOnly));
    return maps.readAll().contains("/imageformats/");
}

QImage stripes(QImage::Format format)
{
    QImage image(12, 6, format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x + y) % 3 ? qRgb(200, 40, 10) : qRgb(10, 90, 250));
    return image;
}

// A 24-bit BMP written by hand: Qt's own writers, like its readers, would
// offer the format to every image plugin first.
QByteArray bmpOf(const QImage &image)
{
    const int rowBytes = (image.width() * 3 + 3) & ~3;
    const int pixelBytes = rowBytes * image.height();
    QByteArray bmp(54 + pixelBytes, '\0');
    const auto put = [&bmp](int at, quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            bmp[at + i] = char((value >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put(2, quint32(bmp.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, quint32(image.width()), 4);
    put(22, quint32(image.height()), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, quint32(pixelBytes), 4);
    for (int y = 0; y < image.height(); ++y) {
        const int row = 54 + (image.height() - 1 - y) * rowBytes; // bottom-up
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            bmp[row + 3 * x] = char(qBlue(pixel));
            bmp[row + 3 * x + 1] = char(qGreen(pixel));
            bmp[row + 3 * x + 2] = char(qRed(pixel));
        }
    }
    return bmp;
}

// Runs first: once a plugin is loaded it stays for the run.
TEST(ImageFile, TheClocksOwnKindsOfPictureAreReadWithoutTheImagePlugins)
{
    ASSERT_FALSE(anImagePluginIsLoaded());
    QTemporaryDir dir;
    QFile bmp(dir.filePath(QStringLiteral("day.bmp")));
    ASSERT_TRUE(bmp.open(QIODevice::WriteOnly));
    bmp.write(bmpOf(stripes(QImage::Format_RGB32)));
    bmp.close();

    EXPECT_EQ(platform::readPixmap(bmp.fileName(), "bmp").toImage().convertToFormat(QImage::Format_RGB32),
              stripes(QImage::Format_RGB32));
    EXPECT_FALSE(platform::readPixmap(QStringLiteral(":/horalux/next.png"), "PNG").isNull());
    EXPECT_FALSE(anImagePluginIsLoaded());
}

TEST(ImageFile, APictureOfAnotherKindOrMisnamedIsStillRead)
{
    QTemporaryDir dir;
    const QString jpeg = dir.filePath(QStringLiteral("mine.jpg"));
    const QString misnamed = dir.filePath(QStringLiteral("really-a-png.bmp"));
    ASSERT_TRUE(stripes(QImage::Format_RGB32).save(jpeg, "JPEG"));
    ASSERT_TRUE(stripes(QImage::Format_RGB32).save(misnamed, "PNG"));

    EXPECT_EQ(platform::readPixmap(jpeg, "jpg").size(), QSize(12, 6));
    EXPECT_EQ(platform::readPixmap(misnamed, "bmp").toImage().convertToFormat(QImage::Format_RGB32),
              stripes(QImage::Format_RGB32));
    EXPECT_TRUE(platform::readPixmap(dir.filePath(QStringLiteral("missing.bmp")), "bmp").isNull());
}

} // namespace
