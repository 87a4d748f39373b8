// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(HelpPage, IsInstalledWhole)
{
    const QDir folder(QStringLiteral(HORALUX_HELP_FOLDER));
    const QString page = readText(folder.filePath(QStringLiteral("index.html")));
    ASSERT_FALSE(page.isEmpty()) << "the page F1 opens lies in the program folder's help/";

    QSet<QString> ids;
    for (const auto &match : QRegularExpression(QStringLiteral(R"(\bid="([^"]+)\")")).globalMatch(page))
        ids.insert(match.captured(1));
    int links = 0;
    for (const auto &match : QRegularExpression(QStringLiteral(R"(\b(?:href|src)="([^"]*)\")")).globalMatch(page)) {
        const QString target = match.captured(1);
        ++links;
        if (target.startsWith(QLatin1Char('#'))) {
            EXPECT_TRUE(ids.contains(target.mid(1))) << "broken anchor " << target.toStdString();
        } else {
            EXPECT_FALSE(target.contains(QLatin1Char(':')) || target.startsWith(QLatin1Char('/')))
                << "nothing from elsewhere: " << target.toStdString();
            EXPECT_TRUE(folder.exists(target)) << "missing " << target.toStdString();
        }
    }
    EXPECT_GT(links, 5);
    const QString style = readText(folder.filePath(QStringLiteral("help.css")));
    EXPECT_FALSE(style.contains(QLatin1String("url(")) || style.contains(QLatin1String("@import")));

    // The page speaks of what the user sees.
    for (const char *words : {"Show Time Zone", "Freeze current time zone", "About Horalux", "Instructions and Help",
                              "Exit", "Time Zones", "Reset", "Cancel", "F1"})
        EXPECT_TRUE(page.contains(QLatin1String(words))) << words;
}

} // namespace
