// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/browser.h"

#include <QStringList>

namespace platform {

// File associations of a freedesktop desktop. The program for a document is
// the desktop entry that xdg-mime names as the default for the document's
// MIME type; where xdg-mime is not installed or names none, the entry is
// looked up in the mimeapps.list files and MIME caches of the XDG folders,
// as xdg-mime itself does on a desktop it has no special case for.
class XdgBrowser final : public Browser {
public:
    // xdgMime: the xdg-mime program to ask first (found on PATH); empty to
    // use only our own lookup.
    explicit XdgBrowser(QString xdgMime = QStringLiteral("xdg-mime"));

    // The desktop entry's Exec line, as open() takes it.
    QString findExecutable(const QString &documentPath) override;
    bool open(const QString &program, const QString &address) override;
    bool showDocument(const QString &path) override;

    // The desktop file id (name.desktop) of the default application for the
    // MIME type according to the XDG folders; empty when there is none.
    static QString defaultApplication(const QString &mimeType);
    // The file of a desktop file id in the XDG data folders; empty when none.
    static QString desktopEntryFile(const QString &desktopId);
    // The Exec line of a desktop entry that may be run; empty when the file
    // has none, is hidden, or its TryExec program is missing.
    static QString execLine(const QString &desktopEntryFile);
    // Program and arguments of an Exec line started on address: the file and
    // URL field codes become address (appended when there is none), the
    // other field codes are dropped, quoting and escapes are undone.
    static QStringList commandLine(const QString &exec, const QString &address);

private:
    QString askXdgMime(const QString &mimeType) const;

    QString m_xdgMime;
};

} // namespace platform
