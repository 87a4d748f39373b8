// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore/settings_store.h"

#include "posix/atomic_file.h"
#include "posix/capped_file_read.h"
#include "posix/failure_words.h"
#include "posix/file_descriptor.h"
#include "posix/file_identity.h"
#include "posix/folder_watch.h"
#include "settingsstore/deferred_work.h"
#include "settingsstore/ini_format.h"
#include "settingsstore/settings_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>

#include <cerrno>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include <sys/inotify.h>

namespace settings {

using namespace Qt::StringLiterals;
using posix::causeInWords;
using posix::copyAside;
using posix::FileContent;
using posix::FileIdentity;
using posix::FolderWatch;
using posix::readFile;
using posix::removeStaleTempFiles;
using posix::ReplacementFile;
using posix::writeAll;

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

bool sameValue(const QString *a, const QString *b)
{
    return a && b ? *a == *b : a == b;
}

// Lays over `theirs`, a version someone else wrote, what `mine` changed from
// `base`, the version both started from; where they changed the same key,
// theirs, the later, stays. Whether that changed `theirs`.
bool layChanges(IniDocument &theirs, const IniDocument &base, const IniDocument &mine)
{
    bool changed = false;
    for (const IniDocument::Section &section : mine.sections()) {
        for (const IniDocument::Entry &entry : section.entries) {
            const QString *before = base.find(section.name, entry.key);
            if (!sameValue(before, &entry.value) && sameValue(theirs.find(section.name, entry.key), before))
                changed = theirs.set(section.name, entry.key, entry.value) || changed;
        }
    }
    for (const IniDocument::Section &section : base.sections()) {
        for (const IniDocument::Entry &entry : section.entries) {
            if (!mine.find(section.name, entry.key) && sameValue(theirs.find(section.name, entry.key), &entry.value))
                changed = theirs.remove(section.name, entry.key) || changed;
        }
    }
    return changed;
}

enum class Pending { None, Check, Reload };

// Every field is guarded by the store's state mutex: the window's thread
// reads and changes them, the writing thread takes snapshots and records
// what it wrote.
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

    FileIdentity loaded;   // the version on disk memory stands on: read, or written by us
    FileIdentity renaming; // ours, on its way into place
    FileIdentity unsure;   // ours, in place, but a power cut may undo it: written again
    IniDocument document;
    IniDocument onDisk;      // what `loaded` holds
    quint64 changes = 0;     // counts the changes of memory
    quint64 written = 0;     // the count `onDisk` reflects
    quint64 loads = 0;       // counts the reads of the file
    bool damaged = false;    // holds lines that could not be read
    bool unreadable = false; // exists but could not be read: never replace it
    int readError = 0;       // why, when unreadable
    QString problem;         // why the last write failed, for the user
    QString reported;        // the problem logged last, so it is logged once

    QString path() const { return folder + u'/' + fileName; }
    bool hasUnwritten() const { return changes != written || unsure.exists; }
    bool isOurs(const FileIdentity &identity) const
    {
        return identity == loaded || (renaming.exists && identity == renaming);
    }
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

QString saveProblem(const QString &path, const QString &step, int error)
{
    return u"cannot save the settings to %1: %2%3; the change is kept in memory until a save "
           u"succeeds"_s.arg(path, step, qt_error_string(error));
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

// What one write puts on disk, taken under the lock.
struct Snapshot {
    IniDocument document;
    quint64 changes = 0;
    quint64 loads = 0;
    bool damaged = false;
    QString app;
    QString folder;
    QString path;
    QByteArray folderPath;
    QByteArray fileNameBytes;
    QByteArray filePath;
};

// Whether the file is still the version the snapshot was taken over: not
// read again since, nor replaced by anyone else. Under the lock.
bool standsOnBase(const AppFile &file, const Snapshot &snapshot)
{
    return file.loads == snapshot.loads && FileIdentity::ofPath(snapshot.filePath) == file.loaded;
}

enum class Outcome { Written, Failed, Raced };

} // namespace

struct IniSettingsStore::Impl {
    QString root;
    FolderWatch watch;                             // the window's thread only
    std::mutex state;                              // every AppFile, and `apps`
    std::mutex order;                              // one write at a time, so a newer version is never overtaken
    QHash<QString, std::shared_ptr<AppFile>> apps; // by case-folded name
    QString lastAppName;
    AppFile *lastApp = nullptr;
    // Last, so that its thread stops before anything it uses goes.
    DeferredWork writer {[this] { writeWaiting(); }};

    AppFile *appFile(const QString &app);
    void resolve(AppFile &file);
    void watchFolder(AppFile &file);
    void drainEvents();
    void refresh(AppFile &file);
    void load(AppFile &file);

    QList<std::shared_ptr<AppFile>> files();
    void writeWaiting();
    bool write(AppFile &file);
    Outcome writeSnapshot(AppFile &file, const Snapshot &snapshot);
    Outcome failed(AppFile &file, const Snapshot &snapshot, const QString &step, int error);
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
    if (pending == Pending::Reload || (pending == Pending::Check && !file.isOurs(FileIdentity::ofPath(file.filePath))))
        load(file);
}

void IniSettingsStore::Impl::load(AppFile &file)
{
    FileContent content = readFile(file.filePath, kMaxReadBytes);
    if (!(content.identity == file.unsure))
        file.unsure = FileIdentity(); // replaced: the new version is its writer's to keep
    file.loaded = content.identity;
    file.unreadable = content.status == FileContent::Unreadable;
    file.readError = content.error;
    ++file.loads;
    IniDocument fresh;
    if (content.status == FileContent::Read) {
        ParsedIni parsed = parseIni(content.bytes);
        file.damaged = parsed.hadDamagedLines || content.cutAtLimit;
        if (file.damaged)
            report(file, damageProblem(file, parsed, content.cutAtLimit));
        fresh = std::move(parsed.document);
    } else {
        file.damaged = false;
    }
    if (file.unreadable)
        report(file, unreadableProblem(file));
    else if (!file.damaged)
        file.reported.clear();
    // Someone else's version, with our changes it lacks laid over it.
    IniDocument merged = fresh;
    const bool laid = file.hasUnwritten() && layChanges(merged, file.onDisk, file.document);
    file.onDisk = std::move(fresh);
    file.document = std::move(merged);
    if (!laid)
        file.written = file.changes;
}

QList<std::shared_ptr<AppFile>> IniSettingsStore::Impl::files()
{
    std::lock_guard lock(state);
    return apps.values();
}

void IniSettingsStore::Impl::writeWaiting()
{
    try {
        for (const std::shared_ptr<AppFile> &file : files())
            write(*file);
    } catch (...) {
        reportUnexpected(u"Writing the settings"_s);
    }
}

bool IniSettingsStore::Impl::write(AppFile &file)
{
    std::lock_guard inOrder(order);
    // A file someone else replaces meanwhile is read again, ours laid over it,
    // and written once more; an editor saving in a loop is not waited out.
    for (int attempt = 0; attempt < 3; ++attempt) {
        Snapshot snapshot;
        {
            std::lock_guard lock(state);
            if (!file.hasUnwritten())
                return true;
            if (file.unreadable) {
                report(file, unreadableProblem(file));
                file.problem = u"The settings file %1 cannot be read (%2), so nothing can be saved to it."_s.arg(
                    file.path(), qt_error_string(file.readError));
                return false;
            }
            snapshot = {file.document, file.changes, file.loads,      file.damaged,       file.app,
                        file.folder,   file.path(),  file.folderPath, file.fileNameBytes, file.filePath};
        }
        const Outcome outcome = writeSnapshot(file, snapshot);
        if (outcome != Outcome::Raced)
            return outcome == Outcome::Written;
        std::lock_guard lock(state);
        if (file.loads == snapshot.loads)
            load(file);
    }
    std::lock_guard lock(state);
    file.problem = u"The settings could not be saved to %1: another program kept changing the file."_s.arg(file.path());
    return false;
}

Outcome IniSettingsStore::Impl::writeSnapshot(AppFile &file, const Snapshot &snapshot)
{
    errno = 0;
    if (!QDir().mkpath(snapshot.folder))
        return failed(file, snapshot, u"cannot make its folder: "_s, errno ? errno : ENOTDIR);
    if (snapshot.damaged) {
        {
            std::lock_guard lock(state);
            if (!standsOnBase(file, snapshot))
                return Outcome::Raced;
        }
        if (!copyAside(snapshot.folderPath, snapshot.fileNameBytes, snapshot.fileNameBytes + ".bad"))
            return failed(file, snapshot, u"cannot keep the damaged file aside: "_s, errno);
    }
    const QString header = snapshot.app + uR"( settings, UTF-8. In names and values \ starts an escape: )"_s
        + uR"(\\ \n \r \t \0 \= \xHH \uHHHH)"_s;
    const QByteArray text = serialiseIni(snapshot.document, header);
    ReplacementFile replacement(snapshot.folderPath, snapshot.fileNameBytes);
    std::optional<FileIdentity> identity;
    if (replacement.create(0600) && writeAll(replacement.fd(), text.constData(), size_t(text.size())))
        identity = replacement.sync();
    if (!identity)
        return failed(file, snapshot, QString(), errno);
    {
        // An edit that lands between this look and the rename is overwritten;
        // the window is a rename long.
        std::lock_guard lock(state);
        if (!standsOnBase(file, snapshot))
            return Outcome::Raced;
        file.renaming = *identity;
    }
    const bool committed = replacement.commit();
    const int cause = errno;
    {
        std::lock_guard lock(state);
        file.renaming = FileIdentity();
        if (replacement.renamed()) {
            file.unsure = committed ? FileIdentity() : *identity;
            if (file.loads != snapshot.loads) {
                // Read again during the rename: the next call reads ours and
                // lays memory over it.
                file.pending = Pending::Reload;
            } else {
                file.loaded = *identity;
                file.onDisk = snapshot.document;
                file.written = snapshot.changes;
                if (snapshot.damaged)
                    file.damaged = false;
            }
        }
        if (committed && file.loads == snapshot.loads) {
            file.problem.clear();
            file.reported.clear();
        }
    }
    if (committed)
        return Outcome::Written;
    return failed(file, snapshot, replacement.renamed() ? u"its folder cannot be flushed to disk: "_s : QString(),
                  cause);
}

Outcome IniSettingsStore::Impl::failed(AppFile &file, const Snapshot &snapshot, const QString &step, int error)
{
    std::lock_guard lock(state);
    report(file, saveProblem(snapshot.path, step, error));
    file.problem = u"The settings could not be saved to %1: %2."_s.arg(snapshot.path, causeInWords(error));
    return Outcome::Failed;
}

IniSettingsStore::IniSettingsStore(const QString &configRoot) : d(std::make_unique<Impl>())
{
    d->root = QDir::cleanPath(configRoot);
}

IniSettingsStore::~IniSettingsStore()
{
    flush();
}

QString IniSettingsStore::GetSetting(const QString &app, const QString &section, const QString &key,
                                     const QString &defaultValue)
{
    try {
        std::lock_guard lock(d->state);
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
        bool toWrite = false;
        {
            std::lock_guard lock(d->state);
            if (AppFile *file = d->appFile(app)) {
                d->refresh(*file);
                if (file->document.set(section, key, value))
                    ++file->changes;
                // Unchanged, it still tries again what failed before.
                toWrite = file->hasUnwritten();
            }
        }
        if (toWrite)
            d->writer.request();
    } catch (...) {
        reportUnexpected(u"SaveSetting"_s);
    }
}

void IniSettingsStore::DeleteSetting(const QString &app, const QString &section, const QString &key)
{
    try {
        bool toWrite = false;
        {
            std::lock_guard lock(d->state);
            if (AppFile *file = d->appFile(app)) {
                d->refresh(*file);
                if (file->document.remove(section, key))
                    ++file->changes;
                toWrite = file->hasUnwritten();
            }
        }
        if (toWrite)
            d->writer.request();
    } catch (...) {
        reportUnexpected(u"DeleteSetting"_s);
    }
}

bool IniSettingsStore::flush(QString *problem)
{
    QStringList problems;
    try {
        const QList<std::shared_ptr<AppFile>> files = d->files();
        for (const std::shared_ptr<AppFile> &file : files) {
            {
                // A hand edit is read before ours is written over it.
                std::lock_guard lock(d->state);
                d->refresh(*file);
            }
            const bool written = d->write(*file);
            std::lock_guard lock(d->state);
            if (!written)
                problems << file->problem;
            // The folder may be new: edits from now on are to be seen.
            d->watchFolder(*file);
        }
    } catch (...) {
        reportUnexpected(u"flush"_s);
        problems << u"The settings could not be saved: an unexpected error."_s;
    }
    if (problem)
        *problem = problems.join(u'\n');
    return problems.isEmpty();
}

} // namespace settings
