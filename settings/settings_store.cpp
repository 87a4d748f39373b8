// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_store.h"

#include "settings/atomic_file.h"
#include "settings/capped_file_read.h"
#include "settings/deferred_sync.h"
#include "settings/file_descriptor.h"
#include "settings/file_identity.h"
#include "settings/folder_watch.h"
#include "settings/ini_format.h"
#include "settings/settings_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cerrno>
#include <cstdint>
#include <exception>
#include <memory>
#include <utility>

#include <sys/inotify.h>

namespace settings {

using namespace Qt::StringLiterals;

namespace {

// Finds `name` in `parent` without regard to case, the exact spelling first;
// `name` itself when there is no such entry.
QString resolveEntry(const QString &parent, const QString &name, QDir::Filters kind)
{
    if (QFileInfo::exists(parent + u'/' + name))
        return name;
    const QString wanted = name.toCaseFolded();
    const QStringList entries = QDir(parent).entryList(kind | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.toCaseFolded() == wanted)
            return entry;
    }
    return name;
}

bool usableAppName(const QString &app)
{
    return !app.isEmpty() && app != u"." && app != u".." && !app.contains(u'/') && !app.contains(QChar(0));
}

enum class Pending { None, Check, Reload };

struct AppFile {
    QString app; // as first given
    QString folder;
    QString fileName;
    QByteArray folderPath; // native
    QByteArray fileNameBytes;
    QByteArray filePath;
    int watch = -1;
    Pending pending = Pending::None;
    bool resolveAgain = false;

    FileIdentity loaded;
    IniDocument document;
    bool damaged = false;    // holds lines that could not be read
    bool unreadable = false; // exists but could not be read: never replace it
    int readError = 0;       // why, when unreadable
    bool unsaved = false;    // memory holds changes the file lacks
    QString reported;        // the problem logged last, so it is logged once

    QString path() const { return folder + u'/' + fileName; }
};

// Logs a problem once, however many calls in a row run into it (a window
// drag on a full disk saves dozens of times).
void report(AppFile &file, const QString &problem)
{
    if (problem == file.reported)
        return;
    file.reported = problem;
    qCWarning(lcSettings).noquote() << problem;
}

QString unreadableProblem(const AppFile &file)
{
    return u"cannot read %1: %2; its settings read as their defaults and nothing is saved to it"_s.arg(
        file.path(), qt_error_string(file.readError));
}

QString damageProblem(const AppFile &file, const ParsedIni &parsed, bool cutAtLimit)
{
    // One arg() call each: a path may hold "%2".
    const QString what = cutAtLimit
        ? u"%1 is larger than %2 bytes and is read only that far"_s.arg(
            file.path(), QString::number(IniSettingsStore::kMaxReadBytes))
        : u"%1: %2 line(s) cannot be read, the first is line %3"_s.arg(
            file.path(), QString::number(parsed.damagedLineCount), QString::number(parsed.firstDamagedLine));
    return what
        + u"; what cannot be read gives the defaults, and the file is kept as %1.bad "
          u"before the next save rewrites it"_s.arg(file.path());
}

QString saveProblem(const AppFile &file, const QString &step, int error)
{
    return u"cannot save the settings to %1: %2%3; the change is kept in memory until a save "
           u"succeeds"_s.arg(file.path(), step, qt_error_string(error));
}

void reportUnexpected(const QString &call)
{
    try {
        throw;
    } catch (const std::exception &e) {
        qCWarning(lcSettings) << call << "failed:" << e.what();
    } catch (...) {
        qCWarning(lcSettings) << call << "failed";
    }
}

} // namespace

struct IniSettingsStore::Impl {
    QString root;
    FolderWatch watch;
    DeferredSync sync;
    QHash<QString, std::shared_ptr<AppFile>> apps; // by case-folded name
    QString lastAppName;
    AppFile *lastApp = nullptr;

    AppFile *appFile(const QString &app);
    void resolve(AppFile &file);
    void watchFolder(AppFile &file);
    void drainEvents();
    void refresh(AppFile &file);
    void load(AppFile &file);
    bool persist(AppFile &file);
};

AppFile *IniSettingsStore::Impl::appFile(const QString &app)
{
    if (lastApp && app == lastAppName)
        return lastApp;
    if (!usableAppName(app))
        return nullptr;
    std::shared_ptr<AppFile> &slot = apps[app.toCaseFolded()];
    if (!slot) {
        slot = std::make_shared<AppFile>();
        slot->app = app;
        resolve(*slot);
        watchFolder(*slot);
        removeStaleTempFiles(slot->folder, slot->fileName);
        load(*slot);
    }
    lastAppName = app;
    lastApp = slot.get();
    return lastApp;
}

void IniSettingsStore::Impl::resolve(AppFile &file)
{
    const QString folderName = resolveEntry(root, file.app, QDir::Dirs);
    file.folder = root + u'/' + folderName;
    file.fileName = resolveEntry(file.folder, folderName + u".ini"_s, QDir::Files);
    file.folderPath = QFile::encodeName(file.folder);
    file.fileNameBytes = QFile::encodeName(file.fileName);
    file.filePath = file.folderPath + '/' + file.fileNameBytes;
}

void IniSettingsStore::Impl::watchFolder(AppFile &file)
{
    if (file.watch >= 0)
        return;
    file.watch = watch.add(file.folderPath);
    // Whatever happened before the watch existed is not in the queue.
    if (file.watch >= 0 && file.pending == Pending::None)
        file.pending = Pending::Check;
}

void IniSettingsStore::Impl::drainEvents()
{
    watch.drain([this](int wd, uint32_t mask, QByteArrayView name) {
        for (const auto &app : std::as_const(apps)) {
            AppFile &file = *app;
            if (mask & IN_Q_OVERFLOW) {
                file.pending = Pending::Reload;
                continue;
            }
            if (file.watch != wd)
                continue;
            if (mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) {
                // The folder went away or was renamed: find it afresh.
                watch.remove(file.watch);
                file.watch = -1;
                file.resolveAgain = true;
                file.pending = Pending::Reload;
            } else if (name == file.fileNameBytes) {
                // Our own saves only move files into place, and the file's
                // identity tells those apart; a write in place may keep size
                // and (coarse) modification time, so it is always read.
                const Pending wanted = (mask & (IN_MODIFY | IN_CLOSE_WRITE)) ? Pending::Reload : Pending::Check;
                if (file.pending != Pending::Reload)
                    file.pending = wanted;
            }
        }
    });
}

void IniSettingsStore::Impl::refresh(AppFile &file)
{
    drainEvents();
    if (file.watch < 0) {
        if (file.resolveAgain) {
            const QByteArray before = file.filePath;
            resolve(file);
            file.resolveAgain = false;
            if (file.filePath != before)
                file.pending = Pending::Reload;
        }
        watchFolder(file);
        // Without a watch (no folder yet, or no inotify) look at every call.
        if (file.watch < 0 && file.pending == Pending::None)
            file.pending = Pending::Check;
    }
    const Pending pending = file.pending;
    file.pending = Pending::None;
    if (pending == Pending::Reload
        || (pending == Pending::Check && !(FileIdentity::ofPath(file.filePath) == file.loaded)))
        load(file);
}

void IniSettingsStore::Impl::load(AppFile &file)
{
    FileContent content = readFile(file.filePath, kMaxReadBytes);
    file.loaded = content.identity;
    file.unreadable = content.status == FileContent::Unreadable;
    file.readError = content.error;
    file.unsaved = false;
    if (content.status == FileContent::Read) {
        ParsedIni parsed = parseIni(content.bytes);
        file.damaged = parsed.hadDamagedLines || content.cutAtLimit;
        if (file.damaged)
            report(file, damageProblem(file, parsed, content.cutAtLimit));
        file.document = std::move(parsed.document);
    } else {
        file.document = IniDocument();
        file.damaged = false;
    }
    if (file.unreadable)
        report(file, unreadableProblem(file));
    else if (!file.damaged)
        file.reported.clear();
}

bool IniSettingsStore::Impl::persist(AppFile &file)
{
    // What cannot be read cannot be kept aside either; leave it be.
    if (file.unreadable) {
        report(file, unreadableProblem(file));
        return false;
    }
    if (!QDir().mkpath(file.folder)) {
        report(file, saveProblem(file, u"cannot make its folder: "_s, errno));
        return false;
    }
    if (file.damaged && !copyAside(file.folderPath, file.fileNameBytes, file.fileNameBytes + ".bad")) {
        report(file, saveProblem(file, u"cannot keep the damaged file aside: "_s, errno));
        return false;
    }
    const QString header = file.app + uR"( settings, UTF-8. In names and values \ starts an escape: )"_s
        + uR"(\\ \n \r \t \0 \= \xHH \uHHHH)"_s;
    const QByteArray text = serialiseIni(file.document, header);
    const auto written = replaceFile(file.folderPath, file.fileNameBytes, 0600,
                                     [&text](int fd) { return writeAll(fd, text.constData(), size_t(text.size())); });
    if (!written) {
        report(file, saveProblem(file, QString(), errno));
        return false;
    }
    file.loaded = *written;
    file.damaged = false;
    file.reported.clear();
    sync.schedule(file.folderPath, file.filePath);
    watchFolder(file);
    return true;
}

IniSettingsStore::IniSettingsStore(const QString &configRoot) : d(std::make_unique<Impl>())
{
    d->root = QDir::cleanPath(configRoot);
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::GetSetting(const QString &app, const QString &section, const QString &key,
                                     const QString &defaultValue)
{
    try {
        if (AppFile *file = d->appFile(app)) {
            d->refresh(*file);
            if (const QString *value = file->document.find(section, key))
                return *value;
        }
    } catch (...) {
        reportUnexpected(u"GetSetting"_s);
    }
    return defaultValue;
}

void IniSettingsStore::SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value)
{
    try {
        if (AppFile *file = d->appFile(app)) {
            d->refresh(*file);
            if (file->document.set(section, key, value) || file->unsaved)
                file->unsaved = !d->persist(*file);
        }
    } catch (...) {
        reportUnexpected(u"SaveSetting"_s);
    }
}

void IniSettingsStore::DeleteSetting(const QString &app, const QString &section, const QString &key)
{
    try {
        if (AppFile *file = d->appFile(app)) {
            d->refresh(*file);
            if (file->document.remove(section, key) || file->unsaved)
                file->unsaved = !d->persist(*file);
        }
    } catch (...) {
        reportUnexpected(u"DeleteSetting"_s);
    }
}

void IniSettingsStore::flush()
{
    d->sync.flushNow();
}

} // namespace settings
