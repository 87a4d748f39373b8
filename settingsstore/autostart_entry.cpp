// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore/autostart_entry.h"

#include "posix/atomic_file.h"
#include "posix/failure_words.h"
#include "posix/file_descriptor.h"
#include "settingsstore/settings_log.h"

#include "platform/desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <optional>

// Desktop entries are written and read here by hand: QSettings would treat
// the file as its own INI dialect (escapes, ';' comments, key case), which is
// not the Desktop Entry format.

namespace settings {

using namespace Qt::StringLiterals;
using posix::causeInWords;
using posix::removeFile;
using posix::replaceFile;
using posix::writeAll;

namespace {

const QString kGroup = QStringLiteral("[Desktop Entry]");

bool isReserved(QChar c)
{
    return c.isSpace() || QStringView(uR"("'\><~|&;$*?#()`=)").contains(c);
}

// One Exec argument: '%' doubled (field codes), quoted when it holds a
// reserved character, then the string escapes that are undone first.
QString execValue(const QString &program)
{
    QString argument = QString(program).replace(u'%', u"%%"_s);
    if (std::any_of(argument.cbegin(), argument.cend(), isReserved)) {
        QString quoted = QStringLiteral("\"");
        for (const QChar c : std::as_const(argument)) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        argument = quoted + u'"';
    }
    QString escaped;
    for (const QChar c : std::as_const(argument)) {
        switch (c.unicode()) {
        case u'\\': escaped += u"\\\\"; break;
        case u'\n': escaped += u"\\n"; break;
        case u'\r': escaped += u"\\r"; break;
        case u'\t': escaped += u"\\t"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// A string value: the escapes that keep it on one line, and a leading blank.
QString stringValue(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': escaped += u"\\\\"; break;
        case u'\n': escaped += u"\\n"; break;
        case u'\r': escaped += u"\\r"; break;
        case u'\t': escaped += u"\\t"; break;
        case u' ': escaped += escaped.isEmpty() ? u"\\s" : u" "; break;
        default: escaped += c;
        }
    }
    return escaped;
}

QString unescapeString(QStringView value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i].unicode()) {
        case u's': out += u' '; break;
        case u'n': out += u'\n'; break;
        case u't': out += u'\t'; break;
        case u'r': out += u'\r'; break;
        case u'\\': out += u'\\'; break;
        default: out += u'\\'; out += value[i];
        }
    }
    return out;
}

// The program of an Exec command line, quoting undone.
QString firstArgument(const QString &commandLine)
{
    QString program;
    qsizetype i = 0;
    if (commandLine.startsWith(u'"')) {
        for (i = 1; i < commandLine.size() && commandLine[i] != u'"'; ++i) {
            if (commandLine[i] == u'\\' && i + 1 < commandLine.size())
                ++i;
            program += commandLine[i];
        }
    } else {
        const qsizetype end = commandLine.indexOf(u' ');
        program = end < 0 ? commandLine : commandLine.first(end);
    }
    return program.replace(u"%%"_s, u"%"_s);
}

struct EntryKeys {
    std::optional<QString> exec;
    bool switchedOff = false;
};

// The keys that matter from the [Desktop Entry] group; nullopt when the file
// cannot be read or has no such group.
std::optional<EntryKeys> readEntry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    bool inGroup = false;
    bool foundGroup = false;
    EntryKeys keys;
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == kGroup;
            foundGroup = foundGroup || inGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inGroup || equals < 0 || line.startsWith(u'#'))
            continue;
        const QString key = line.first(equals).trimmed();
        const QString value = unescapeString(QStringView(line).sliced(equals + 1).trimmed());
        if (key == u"Exec")
            keys.exec = value;
        else if ((key == u"Hidden" && value == u"true") || (key == u"X-GNOME-Autostart-enabled" && value == u"false"))
            keys.switchedOff = true;
    }
    if (!foundGroup)
        return std::nullopt;
    return keys;
}

QByteArray entryText(const QString &program, bool on)
{
    const QStringList lines = {
        kGroup,
        u"Type=Application"_s,
        u"Name=Horalux"_s,
        u"Comment=Desktop world clock"_s,
        u"Exec="_s + execValue(program),
        u"TryExec="_s + stringValue(program),
        u"Icon=horalux"_s,
        u"Terminal=false"_s,
        u"X-GNOME-Autostart-enabled="_s + (on ? u"true"_s : u"false"_s),
        u"Hidden="_s + (on ? u"false"_s : u"true"_s),
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

} // namespace

AutostartEntry::AutostartEntry(const QString &configRoot, const platform::Desktop &desktop)
    : m_desktop(desktop),
      m_autostartFolder(QDir::cleanPath(configRoot + QStringLiteral("/autostart"))),
      m_entryFile(m_autostartFolder + QStringLiteral("/horalux.desktop"))
{
}

std::optional<QString> AutostartEntry::startedProgram() const
{
    const std::optional<EntryKeys> keys = readEntry(m_entryFile);
    if (!keys || !keys->exec)
        return std::nullopt;
    if (keys->switchedOff || keys->exec->isEmpty())
        return QStringLiteral("");
    return firstArgument(*keys->exec);
}

bool AutostartEntry::isEnabled() const
{
    const std::optional<QString> program = startedProgram();
    return program && program->toLower() == entryProgramFor(m_desktop.startCommand()).toLower();
}

bool AutostartEntry::setEnabled(bool on, QString *problem)
{
    const auto fail = [&](const QString &step, int error) {
        qCWarning(lcSettings).noquote() << u"cannot %1 the autostart entry %2: %3"_s.arg(step, m_entryFile,
                                                                                         qt_error_string(error));
        if (problem)
            *problem = u"The start-with-the-desktop entry %1 could not be %2: %3."_s.arg(
                m_entryFile, step == u"write" ? u"written"_s : u"removed"_s, causeInWords(error));
        return false;
    };
    QString program;
    if (on) {
        program = entryProgramFor(m_desktop.startCommand());
    } else {
        if (!QFileInfo::exists(m_entryFile))
            return true; // never switched on: nothing to switch off
        const std::optional<EntryKeys> keys = readEntry(m_entryFile);
        program = keys && keys->exec ? firstArgument(*keys->exec) : QString();
        // An entry that names no program would start nothing: it goes.
        if (program.isEmpty())
            return removeFile(QFile::encodeName(m_autostartFolder), "horalux.desktop", lcSettings())
                || fail(u"remove"_s, errno);
    }
    errno = 0;
    if (!QDir().mkpath(m_autostartFolder))
        return fail(u"write"_s, errno ? errno : ENOTDIR);
    const QByteArray text = entryText(program, on);
    const auto written = replaceFile(QFile::encodeName(m_autostartFolder), "horalux.desktop", 0644,
                                     [&text](int fd) { return writeAll(fd, text.constData(), size_t(text.size())); });
    return written || fail(u"write"_s, errno);
}

QString entryProgramFor(const QString &startCommand)
{
    return QDir::cleanPath(QFileInfo(startCommand).absoluteFilePath());
}

} // namespace settings
