#include "settings/settings_store.h"

#include "settings/ini_format.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

// Written on POSIX calls rather than QSaveFile and QFileSystemWatcher:
// QSaveFile::commit() fsyncs before it returns (about 1 ms per save here, the
// registry-like store defers that), and QFileSystemWatcher reports a change
// only once the event loop has run, while a hand edit has to be seen by the
// very next read, which may come before any event is processed.

namespace settings {

using namespace Qt::StringLiterals;

namespace {

// What a reload compares: a file replaced by rename has a new inode, one
// rewritten in place a new size or modification time.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    static FileIdentity of(const struct stat &st)
    {
        return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim};
    }
    static FileIdentity ofPath(const QByteArray &path)
    {
        struct stat st;
        return ::stat(path.constData(), &st) == 0 ? of(st) : FileIdentity{};
    }
    bool operator==(const FileIdentity &o) const
    {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size
            && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

struct FileContent {
    enum Status { Missing, Unreadable, Read } status = Missing;
    QByteArray bytes;
    FileIdentity identity;
    bool cutAtLimit = false;
};

FileContent readFile(const QByteArray &path, qint64 limit)
{
    FileContent content;
    FileDescriptor fd(::open(path.constData(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        content.status = (errno == ENOENT || errno == ENOTDIR) ? FileContent::Missing
                                                               : FileContent::Unreadable;
        content.identity = FileIdentity::ofPath(path);
        return content;
    }
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) {
        content.status = FileContent::Unreadable;
        return content;
    }
    content.identity = FileIdentity::of(st);
    if (!S_ISREG(st.st_mode)) {
        content.status = FileContent::Unreadable;
        return content;
    }
    // One byte past the limit tells whether the file goes on.
    content.bytes.resize(qsizetype(std::min<qint64>(st.st_size, limit) + 1));
    qsizetype filled = 0;
    for (;;) {
        if (filled == content.bytes.size()) {
            if (filled > limit)
                break;
            content.bytes.resize(std::min<qsizetype>(filled * 2 + 4096, limit + 1));
        }
        const ssize_t n = ::read(fd.get(), content.bytes.data() + filled,
                                 size_t(content.bytes.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            content.status = FileContent::Unreadable;
            content.bytes.clear();
            return content;
        }
        if (n == 0)
            break;
        filled += n;
    }
    content.bytes.truncate(filled);
    if (filled > limit) {
        content.cutAtLimit = true;
        content.bytes.truncate(content.bytes.lastIndexOf('\n', limit - 1) + 1);
    }
    content.status = FileContent::Read;
    return content;
}

QByteArray tempPrefixFor(const QByteArray &fileName) { return '.' + fileName + ".tmp-"; }

// Writes a new file beside `target` and puts it in its place, so readers and
// a crash see either the old or the whole new file. The fsync is left to the
// caller. On failure nothing is left behind and `target` is untouched. The
// new file takes the old one's mode, or `newFileMode`.
std::optional<FileIdentity> replaceFile(const QByteArray &folder, const QByteArray &fileName,
                                        mode_t newFileMode, const std::function<bool(int)> &write)
{
    const QByteArray target = folder + '/' + fileName;
    struct stat old;
    const bool replacesFile = ::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode);
    QByteArray temp = folder + '/' + tempPrefixFor(fileName) + "XXXXXX";
    FileDescriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (!fd.valid())
        return std::nullopt;
    struct stat st;
    bool ok = ::fchmod(fd.get(), replacesFile ? (old.st_mode & 07777) : newFileMode) == 0
        && write(fd.get()) && ::fstat(fd.get(), &st) == 0;
    ok = ::close(fd.release()) == 0 && ok;
    // Swapping the two names is as atomic as rename() but spares the data
    // flush ext4 starts when a rename replaces a file (~150 us); the deferred
    // fdatasync makes the new data durable instead.
    if (ok && replacesFile
        && ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE)
            == 0) {
        ::unlink(temp.constData());
        return FileIdentity::of(st);
    }
    ok = ok && ::rename(temp.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(temp.constData());
        return std::nullopt;
    }
    return FileIdentity::of(st);
}

// Keeps a copy of `fileName` as `copyName`, replacing an older copy.
bool copyAside(const QByteArray &folder, const QByteArray &fileName, const QByteArray &copyName)
{
    const QByteArray source = folder + '/' + fileName;
    FileDescriptor in(::open(source.constData(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        return errno == ENOENT; // nothing left to keep
    struct stat st;
    const mode_t mode = ::fstat(in.get(), &st) == 0 ? (st.st_mode & 07777) : 0600;
    const auto copied = replaceFile(folder, copyName, mode, [&](int out) {
        char buffer[64 * 1024];
        for (;;) {
            const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            if (n == 0)
                return true;
            if (!writeAll(out, buffer, size_t(n)))
                return false;
        }
    });
    return copied.has_value();
}

// Leftovers of a process killed in the middle of a save; a minute old so that
// another process's save under way is not disturbed.
void removeStaleTempFiles(const QString &folder, const QString &fileName)
{
    const QString pattern = u'.' + fileName + u"*.tmp-*"_s; // the file's and its .bad copy's
    const QDateTime cutoff = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QDir dir(folder);
    const QStringList names = dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QFileInfo info(dir.filePath(name));
        if (info.lastModified().toUTC() < cutoff)
            QFile::remove(info.filePath());
    }
}

// Makes saves durable on disk shortly after the last one, off the caller's
// thread, so that a burst of saves (a window drag) costs one flush.
class DeferredSync {
public:
    ~DeferredSync()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

    void schedule(const QByteArray &folder, const QByteArray &file)
    {
        {
            std::lock_guard lock(m_mutex);
            const auto now = Clock::now();
            if (m_pending.empty())
                m_firstPending = now;
            m_lastSchedule = now;
            m_pending[file.toStdString()] = folder.toStdString();
        }
        if (!m_thread.joinable()) {
            try {
                m_thread = std::thread([this] { run(); });
            } catch (...) {
                flushNow();
                return;
            }
        }
        m_wake.notify_one();
    }

private:
    using Clock = std::chrono::steady_clock;
    using Batch = std::map<std::string, std::string>; // file -> folder
    static constexpr auto kQuiet = std::chrono::milliseconds(50);
    static constexpr auto kMaxDelay = std::chrono::milliseconds(500);

    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            if (m_pending.empty()) {
                if (m_stop)
                    return;
                m_wake.wait(lock);
                continue;
            }
            const auto due = std::min(m_lastSchedule + kQuiet, m_firstPending + kMaxDelay);
            if (!m_stop && Clock::now() < due) {
                m_wake.wait_until(lock, due);
                continue;
            }
            Batch batch;
            batch.swap(m_pending);
            lock.unlock();
            sync(batch);
            lock.lock();
        }
    }

    void flushNow()
    {
        Batch batch;
        {
            std::lock_guard lock(m_mutex);
            batch.swap(m_pending);
        }
        sync(batch);
    }

    static void sync(const Batch &batch)
    {
        std::set<std::string> folders;
        for (const auto &[file, folder] : batch) {
            FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
            if (fd.valid())
                ::fdatasync(fd.get());
            folders.insert(folder);
        }
        for (const std::string &folder : folders) {
            FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (fd.valid())
                ::fsync(fd.get());
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    Batch m_pending;
    Clock::time_point m_firstPending;
    Clock::time_point m_lastSchedule;
    bool m_stop = false;
    std::thread m_thread;
};

// inotify on the settings folders, read without blocking at each call.
class FolderWatch {
public:
    FolderWatch() : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

    int add(const QByteArray &folder)
    {
        if (!m_fd.valid())
            return -1;
        return ::inotify_add_watch(m_fd.get(), folder.constData(),
                                   IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE | IN_DELETE
                                       | IN_MOVED_FROM | IN_MODIFY | IN_DELETE_SELF
                                       | IN_MOVE_SELF | IN_ONLYDIR);
    }

    void remove(int watch)
    {
        if (m_fd.valid() && watch >= 0)
            ::inotify_rm_watch(m_fd.get(), watch);
    }

    // onEvent(watch, mask, name) for every queued event; in the common case
    // a single read() that finds nothing.
    template <typename OnEvent>
    void drain(OnEvent &&onEvent)
    {
        if (!m_fd.valid())
            return;
        alignas(inotify_event) char buffer[8192];
        for (;;) {
            const ssize_t n = ::read(m_fd.get(), buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return;
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                const QByteArrayView name(event->name, qstrnlen(event->name, event->len));
                onEvent(event->wd, event->mask, name);
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
    }

private:
    FileDescriptor m_fd;
};

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

} // namespace settings
