// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/deferred_sync.h"

#include "settings/file_descriptor.h"
#include "settings/settings_log.h"

#include <algorithm>
#include <set>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace settings {

DeferredSync::~DeferredSync()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void DeferredSync::schedule(const QByteArray &folder, const QByteArray &file)
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

void DeferredSync::run()
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

void DeferredSync::flushNow()
{
    Batch batch;
    {
        std::lock_guard lock(m_mutex);
        batch.swap(m_pending);
    }
    sync(batch);
}

void DeferredSync::sync(const Batch &batch)
{
    std::set<std::string> folders;
    for (const auto &[file, folder] : batch) {
        FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
        // A file gone since its save was replaced by someone else: nothing of ours to flush.
        if ((fd.valid() && ::fdatasync(fd.get()) != 0) || (!fd.valid() && errno != ENOENT))
            qCWarning(lcSettings, "cannot flush %s to disk: %s", file.c_str(), qPrintable(qt_error_string(errno)));
        folders.insert(folder);
    }
    for (const std::string &folder : folders) {
        FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (fd.valid())
            ::fsync(fd.get());
    }
}

} // namespace settings
