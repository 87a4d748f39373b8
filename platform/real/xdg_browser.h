// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/browser.h"

#include <QStringList>

namespace platform {

// The web browser and viewers of a freedesktop desktop. Pages and documents
// open through Qt's opener (xdg-open, or the desktop's portal). Whether there
// is a browser, and the program to start where Qt has no opener, is the
// desktop entry that xdg-mime names as the default for https addresses or
// else HTML files; where xdg-mime is not installed or names none, the entry
// is looked up in the mimeapps.list files and MIME caches of the XDG folders,
// as xdg-mime itself does on a desktop it has no special case for.
class XdgBrowser final : public Browser {
public:
    // xdgMime: the xdg-mime program to ask first (found on PATH); empty to
    // use only our own lookup.
    explicit XdgBrowser(QString xdgMime = QStringLiteral("xdg-mime"));

    bool hasWebBrowser() override;
    bool openPage(const QString &address) override;
    bool showDocument(const QString &path) override;

    // The Exec line of the desktop's web browser; empty when there is none.
    QString webBrowserCommand() const;
    // Starts an Exec line on address without waiting. False when it could not start.
    static bool start(const QString &exec, const QString &address);

    // The desktop file id (name.desktop) of the default application for the
    // MIME type according to the XDG folders; empty when there is none.
    static QString defaultApplication(const QString &mimeType);
    // The file of a desktop file id in the XDG data folders; empty when none.
    static QString desktopEntryFile(const QString &desktopId);
    // The Exec line of a desktop entry that may be run; empty when the file
    // has none or a blank one, is hidden, or its TryExec program is missing.
    static QString execLine(const QString &desktopEntryFile);
    // Program and arguments of an Exec line started on address: the file and
    // URL field codes become address (appended when there is none), the
    // other field codes are dropped, quoting and escapes are undone.
    static QStringList commandLine(const QString &exec, const QString &address);

private:
    QString askXdgMime(const QString &mimeType) const;
    // The Exec line of the first of the MIME types' default programs.
    QString commandFor(const QStringList &mimeTypes) const;

    QString m_xdgMime;
};

} // namespace platform
