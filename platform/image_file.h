// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace platform {

// Reads a picture of a format Qt decodes itself (BMP, PNG) without loading
// the image plugins. Asked for a named format, QImageReader still offers it to
// every installed plugin first, loading each one (and libjpeg with them) for
// the rest of the run; with format detection off it goes straight to its own
// decoder. Other formats, or a file that is not what its name says, are read
// as Qt finds them to be, plugins and all.
inline QPixmap readPixmap(const QString &path, const QByteArray &format)
{
    if (!QFile::exists(path))
        return {}; // spares the readers' warnings; the caller says what is missing
    QImageReader ownDecoder(path, format);
    ownDecoder.setAutoDetectImageFormat(false);
    QImage image = ownDecoder.read();
    if (image.isNull())
        image = QImageReader(path).read();
    return QPixmap::fromImage(std::move(image));
}

} // namespace platform
