// SPDX-License-Identifier: GPL-3.0-or-later
// Draws all of Horalux's pictures and its blip sound into the data folder.
//   artgen <data-dir> [--preview <dir>]
// Needs a Qt platform for fonts; QT_QPA_PLATFORM=offscreen works without a display.

#include "arrow.h"
#include "blip.h"
#include "emblem.h"
#include "preview.h"
#include "scenes.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <functional>

namespace {

// Writes through a temporary file, so a failed run never leaves half a picture behind.
bool writeFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QTextStream err(stderr);
    if (!QDir().mkpath(QFileInfo(path).path())) {
        err << "cannot create the folder of " << path << '\n';
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit()) {
        err << "cannot write " << path << ": " << file.errorString() << '\n';
        return false;
    }
    return true;
}

bool writeImage(const QString &path, const QImage &image, const char *format)
{
    return writeFile(path, [&](QIODevice &device) { return image.save(&device, format); });
}

bool writeArtwork(const QDir &data)
{
    bool ok = true;
    for (Scene scene : kAllScenes) {
        ok = writeImage(data.filePath(sceneName(scene) + ".bmp"), paintScene(scene, 1), "BMP") && ok;
        ok = writeImage(data.filePath(sceneName(scene) + "@2x.bmp"), paintScene(scene, 2), "BMP") && ok;
    }
    ok = writeImage(data.filePath("next.png"), paintNextArrow(1), "PNG") && ok;
    ok = writeImage(data.filePath("next@2x.png"), paintNextArrow(2), "PNG") && ok;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("icons/hicolor/%1x%1/apps/horalux.png").arg(size);
        ok = writeImage(data.filePath(path), paintIcon(size), "PNG") && ok;
    }
    ok = writeImage(data.filePath("logo.png"), paintLogo(1), "PNG") && ok;
    ok = writeImage(data.filePath("logo@2x.png"), paintLogo(2), "PNG") && ok;
    const QByteArray blip = blipWav();
    ok = writeFile(data.filePath("blip.wav"), [&](QIODevice &device) { return device.write(blip) == blip.size(); })
        && ok;
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Draws Horalux's pictures and sound into <data-dir>.");
    parser.addHelpOption();
    parser.addPositionalArgument("data-dir", "Folder that receives the artwork.");
    const QCommandLineOption previewOption("preview", "Also write preview sheets into <dir>.", "dir");
    parser.addOption(previewOption);
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        QTextStream(stderr) << "usage: artgen <data-dir> [--preview <dir>]\n";
        return 2;
    }

    const QDir data(parser.positionalArguments().front());
    if (!writeArtwork(data))
        return 1;
    if (parser.isSet(previewOption)) {
        const QString previewDir = parser.value(previewOption);
        if (!QDir().mkpath(previewDir) || !writePreviews(data.path(), previewDir))
            return 1;
    }
    return 0;
}
