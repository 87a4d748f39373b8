#include "settings/settings_store.h"

#include "settings/atomic_file.h"
#include "settings/capped_file_read.h"
#include "settings/deferred_sync.h"
#include "settings/file_descriptor.h"
#include "settings/file_identity.h"
#include "settings/folder_watch.h"
#include "settings/ini_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstdint>
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
    return !app.isEmpty() && app != u"." && app != u".." && !app.contains(u'/')
        && !app.contains(QChar(0));
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
    bool unsaved = false;    // memory holds changes the file lacks
};

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
                const Pending wanted = (mask & (IN_MODIFY | IN_CLOSE_WRITE)) ? Pending::Reload
                                                                              : Pending::Check;
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
    file.unsaved = false;
    if (content.status == FileContent::Read) {
        ParsedIni parsed = parseIni(content.bytes);
        file.document = std::move(parsed.document);
        file.damaged = parsed.hadDamagedLines || content.cutAtLimit;
    } else {
        file.document = IniDocument();
        file.damaged = false;
    }
}

bool IniSettingsStore::Impl::persist(AppFile &file)
{
    // What cannot be read cannot be kept aside either; leave it be.
    if (file.unreadable)
        return false;
    if (!QDir().mkpath(file.folder))
        return false;
    if (file.damaged
        && !copyAside(file.folderPath, file.fileNameBytes, file.fileNameBytes + ".bad"))
        return false;
    const QString header = file.app
        + uR"( settings, UTF-8. In names and values \ starts an escape: )"_s
        + uR"(\\ \n \r \t \0 \= \xHH \uHHHH)"_s;
    const QByteArray text = serialiseIni(file.document, header);
    const auto written = replaceFile(file.folderPath, file.fileNameBytes, 0600, [&text](int fd) {
        return writeAll(fd, text.constData(), size_t(text.size()));
    });
    if (!written)
        return false;
    file.loaded = *written;
    file.damaged = false;
    sync.schedule(file.folderPath, file.filePath);
    watchFolder(file);
    return true;
}

IniSettingsStore::IniSettingsStore(const QString &configRoot) : d(std::make_unique<Impl>())
{
    d->root = QDir::cleanPath(configRoot);
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::GetSetting(const QString &app, const QString &section,
                                     const QString &key, const QString &defaultValue)
{
    try {
        if (AppFile *file = d->appFile(app)) {
            d->refresh(*file);
            if (const QString *value = file->document.find(section, key))
                return *value;
        }
    } catch (...) {
    }
    return defaultValue;
}

void IniSettingsStore::SaveSetting(const QString &app, const QString &section, const QString &key,
                                   const QString &value)
{
    try {
        if (AppFile *file = d->appFile(app)) {
            d->refresh(*file);
            if (file->document.set(section, key, value) || file->unsaved)
                file->unsaved = !d->persist(*file);
        }
    } catch (...) {
    }
}

void IniSettingsStore::DeleteSetting(const QString &app, const QString &section,
                                     const QString &key)
{
    try {
        if (AppFile *file = d->appFile(app)) {
            d->refresh(*file);
            if (file->document.remove(section, key) || file->unsaved)
                file->unsaved = !d->persist(*file);
        }
    } catch (...) {
    }
}

void IniSettingsStore::flush()
{
    d->sync.flushNow();
}

} // namespace settings
