// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/xdg_browser.h"

#include "platform/desktop_log.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace platform {

namespace {

constexpr int kXdgMimeTimeoutMs = 5000;

// One group of a freedesktop key file. QSettings is no use here: it reads
// commas as lists and backslashes as its own escapes.
QHash<QString, QString> readGroup(const QString &path, const QString &group)
{
    QHash<QString, QString> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inGroup && equals > 0) {
            const QString key = line.left(equals).trimmed();
            if (!entries.contains(key)) // the first of duplicate keys counts
                entries.insert(key, line.mid(equals + 1).trimmed());
        }
    }
    return entries;
}

// The value escapes of a key file: \s \n \t \r \\.
QString unescapeValue(const QString &value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's': out += QLatin1Char(' '); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'r': out += QLatin1Char('\r'); break;
        default: out += next; break;
        }
    }
    return out;
}

QStringList currentDesktops()
{
    QStringList names;
    for (const QString &name : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        names << name.toLower();
    return names;
}

// The mimeapps.list files in the order the XDG rules give them weight.
QStringList mimeAppsLists()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QStringLiteral("/applications");
    const QStringList desktops = currentDesktops();
    QStringList lists;
    for (const QString &folder : folders) {
        for (const QString &desktop : desktops)
            lists << folder + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
        lists << folder + QStringLiteral("/mimeapps.list");
    }
    return lists;
}

QString firstRunnable(const QString &ids)
{
    for (const QString &id : ids.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString file = XdgBrowser::desktopEntryFile(id.trimmed());
        if (!file.isEmpty() && !XdgBrowser::execLine(file).isEmpty())
            return id.trimmed();
    }
    return QString();
}

} // namespace

XdgBrowser::XdgBrowser(QString xdgMime) : m_xdgMime(std::move(xdgMime))
{
}

QString XdgBrowser::defaultApplication(const QString &mimeType)
{
    const QStringList lists = mimeAppsLists();
    for (const QString &group : {QStringLiteral("Default Applications"), QStringLiteral("Added Associations")}) {
        for (const QString &list : lists) {
            const QString id = firstRunnable(readGroup(list, group).value(mimeType));
            if (!id.isEmpty())
                return id;
        }
    }
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString cache = data + QStringLiteral("/applications/mimeinfo.cache");
        const QString id = firstRunnable(readGroup(cache, QStringLiteral("MIME Cache")).value(mimeType));
        if (!id.isEmpty())
            return id;
    }
    return QString();
}

QString XdgBrowser::desktopEntryFile(const QString &desktopId)
{
    if (desktopId.isEmpty() || desktopId.contains(QLatin1Char('/')))
        return QString();
    // "vendor-app.desktop" may also live at applications/vendor/app.desktop.
    QStringList relative {desktopId};
    QString nested = desktopId;
    for (qsizetype dash = nested.indexOf(QLatin1Char('-')); dash > 0;
         dash = nested.indexOf(QLatin1Char('-'), dash + 1)) {
        nested[dash] = QLatin1Char('/');
        relative << nested;
    }
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        for (const QString &path : relative) {
            const QString file = data + QStringLiteral("/applications/") + path;
            if (QFileInfo(file).isFile())
                return file;
        }
    }
    return QString();
}

QString XdgBrowser::execLine(const QString &desktopEntryFile)
{
    const QHash<QString, QString> entry = readGroup(desktopEntryFile, QStringLiteral("Desktop Entry"));
    if (entry.value(QStringLiteral("Hidden")) == QLatin1String("true"))
        return QString();
    const QString tryExec = unescapeValue(entry.value(QStringLiteral("TryExec")));
    if (!tryExec.isEmpty() && QStandardPaths::findExecutable(tryExec).isEmpty() && !QFileInfo(tryExec).isExecutable())
        return QString();
    const QString exec = unescapeValue(entry.value(QStringLiteral("Exec")));
    return exec.trimmed().isEmpty() ? QString() : exec;
}

QStringList XdgBrowser::commandLine(const QString &exec, const QString &address)
{
    // Split into words: double quotes group, and inside them a backslash
    // escapes the next character.
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size())
                word += exec.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                word += c;
        } else if (c == QLatin1Char('"')) {
            quoted = inWord = true;
        } else if (c.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;

    QStringList command;
    bool placed = false;
    for (const QString &w : words) {
        if (w == QLatin1String("%u") || w == QLatin1String("%U") || w == QLatin1String("%f")
            || w == QLatin1String("%F")) {
            if (!placed)
                command << address;
            placed = true;
            continue;
        }
        QString expanded;
        for (qsizetype i = 0; i < w.size(); ++i) {
            if (w.at(i) != QLatin1Char('%') || i + 1 == w.size()) {
                expanded += w.at(i);
                continue;
            }
            const QChar code = w.at(++i);
            if (code == QLatin1Char('%'))
                expanded += code;
            else if (QStringLiteral("uUfF").contains(code) && !placed) {
                expanded += address;
                placed = true;
            }
            // Every other field code (%i, %c, %k and the deprecated ones) is dropped.
        }
        if (!expanded.isEmpty() || !w.contains(QLatin1Char('%')))
            command << expanded;
    }
    if (!command.isEmpty() && !placed)
        command << address;
    return command;
}

QString XdgBrowser::askXdgMime(const QString &mimeType) const
{
    const QString program = m_xdgMime.isEmpty() ? QString() : QStandardPaths::findExecutable(m_xdgMime);
    if (program.isEmpty())
        return QString();
    QProcess query;
    query.setStandardInputFile(QProcess::nullDevice());
    query.setStandardErrorFile(QProcess::nullDevice());
    query.start(program, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(kXdgMimeTimeoutMs)) {
        query.kill();
        query.waitForFinished(kXdgMimeTimeoutMs);
        return QString();
    }
    return firstRunnable(QString::fromUtf8(query.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0));
}

QString XdgBrowser::commandFor(const QStringList &mimeTypes) const
{
    // The desktop's own answer first, for every type, then our lookup.
    QString id;
    for (qsizetype i = 0; i < mimeTypes.size() && id.isEmpty(); ++i)
        id = askXdgMime(mimeTypes.at(i));
    for (qsizetype i = 0; i < mimeTypes.size() && id.isEmpty(); ++i)
        id = defaultApplication(mimeTypes.at(i));
    return id.isEmpty() ? QString() : execLine(desktopEntryFile(id));
}

QString XdgBrowser::webBrowserCommand() const
{
    return commandFor({QStringLiteral("x-scheme-handler/https"), QStringLiteral("text/html")});
}

bool XdgBrowser::hasWebBrowser()
{
    if (!webBrowserCommand().isEmpty())
        return true;
    qCWarning(lcDesktop).noquote() << "no web browser: neither xdg-mime nor the mimeapps.list and mimeinfo.cache"
                                   << "files name one for https addresses or HTML files that can run";
    return false;
}

bool XdgBrowser::start(const QString &exec, const QString &address)
{
    const QStringList command = commandLine(exec, address);
    if (command.isEmpty()) {
        qCWarning(lcDesktop).noquote() << "cannot open" << address << "with an empty command";
        return false;
    }
    QProcess process;
    process.setProgram(command.first());
    process.setArguments(command.mid(1));
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached())
        return true;
    qCWarning(lcDesktop).noquote() << "cannot start" << command.first() + u':' << process.errorString();
    return false;
}

bool XdgBrowser::openPage(const QString &address)
{
    // Qt's opener knows the desktop's special cases; the browser's own entry
    // covers platforms without one.
    if (QDesktopServices::openUrl(QUrl(address)))
        return true;
    const QString exec = webBrowserCommand();
    if (exec.isEmpty()) {
        qCWarning(lcDesktop).noquote() << "cannot open" << address << "without a web browser";
        return false;
    }
    return start(exec, address);
}

bool XdgBrowser::showDocument(const QString &path)
{
    const QFileInfo document(path);
    if (!document.isFile() || !document.isReadable()) {
        qCWarning(lcDesktop).noquote() << "cannot read" << path << "to show it";
        return false;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(document);
    // A web page is known by its name even where XDG_DATA_DIRS hides the MIME database.
    const bool webPage = document.suffix().compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0
        || document.suffix().compare(QLatin1String("html"), Qt::CaseInsensitive) == 0;
    const QString mimeType =
        (!type.isValid() || type.isDefault()) && webPage ? QStringLiteral("text/html") : type.name();
    // Asked before Qt's opener: xdg-open starts, and so "succeeds", even
    // where nothing can show the document.
    const QString exec = commandFor({mimeType});
    if (exec.isEmpty()) {
        qCWarning(lcDesktop).noquote() << "no program opens" << mimeType
                                       << "files: neither xdg-mime nor the mimeapps.list and mimeinfo.cache files"
                                       << "name one that can run";
        return false;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    return start(exec, path);
}

} // namespace platform
