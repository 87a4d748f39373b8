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

// Runs first: once a plugin is loaded it stays for the run. The pictures
// are the clock's own: Qt's writers, like its readers, would offer the
// format to every plugin first.
TEST(ImageFile, TheClocksOwnKindsOfPictureAreReadWithoutTheImagePlugins)
{
    ASSERT_FALSE(anImagePluginIsLoaded());
    EXPECT_EQ(platform::readPixmap(QStringLiteral(HORALUX_PROGRAM_FOLDER "/day.bmp"), "bmp").size(), QSize(180, 80));
    EXPECT_EQ(platform::readPixmap(QStringLiteral(HORALUX_PROGRAM_FOLDER "/day@2x.bmp"), "BMP").size(),
              QSize(360, 160));
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
