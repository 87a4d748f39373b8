// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "posix/file_descriptor.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cerrno>

#include <sys/inotify.h>
#include <unistd.h>

// inotify rather than QFileSystemWatcher: that reports a change only once the
// event loop has run, while a hand edit has to be seen by the very next read,
// which may come before any event is processed.

namespace posix {

// inotify on the settings folders, read without blocking at each call.
class FolderWatch {
public:
    FolderWatch();

    // The watch's id for drain(), or -1 when the folder cannot be watched.
    int add(const QByteArray &folder);
    void remove(int watch);

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

} // namespace posix
