// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/curl_multi.h"

#include <QSocketNotifier>

#include <cstdlib>
#include <set>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform {

namespace {

// The sockets of this process that a program it starts would inherit.
std::set<int> inheritableSockets()
{
    std::set<int> found;
    DIR *fds = ::opendir("/proc/self/fd");
    if (!fds)
        return found;
    while (const dirent *entry = ::readdir(fds)) {
        const int fd = std::atoi(entry->d_name);
        struct stat st;
        if (fd > 2 && fd != ::dirfd(fds) && ::fstat(fd, &st) == 0 && S_ISSOCK(st.st_mode)
            && !(::fcntl(fd, F_GETFD) & FD_CLOEXEC))
            found.insert(fd);
    }
    ::closedir(fds);
    return found;
}

} // namespace

// A notifier goes once its own signal is done; disabling it first lets a new
// one watch the same descriptor at once.
struct CurlMulti::Watch {
    struct Later {
        void operator()(QSocketNotifier *notifier) const
        {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    };
    std::unique_ptr<QSocketNotifier, Later> read;
    std::unique_ptr<QSocketNotifier, Later> write;
};

CurlMulti::CurlMulti()
{
    // Safe to call again; the module stays loaded, so it is never undone.
    curl_global_init(CURL_GLOBAL_DEFAULT);
    // libcurl 7.88 makes the handle's wake-up socket pair without
    // close-on-exec, and offers no way to reach it: found by what is new.
    const std::set<int> before = inheritableSockets();
    m_multi = curl_multi_init();
    for (const int fd : inheritableSockets()) {
        if (!before.contains(fd))
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlMulti::takeSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlMulti::takeTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
}

CurlMulti::~CurlMulti()
{
    // Closing the cached connections still tells takeSocket().
    curl_multi_cleanup(m_multi);
    m_watches.clear();
}

void CurlMulti::add(CURL *easy)
{
    curl_multi_add_handle(m_multi, easy);
}

void CurlMulti::remove(CURL *easy)
{
    curl_multi_remove_handle(m_multi, easy);
}

int CurlMulti::takeSocket(CURL *, curl_socket_t socket, int what, void *self, void *)
{
    static_cast<CurlMulti *>(self)->watch(socket, what);
    return 0;
}

int CurlMulti::takeTimer(CURLM *, long timeoutMs, void *self)
{
    // libcurl may not be called back into from here: the timer does it.
    QTimer &timer = static_cast<CurlMulti *>(self)->m_timer;
    if (timeoutMs < 0)
        timer.stop();
    else
        timer.start(int(std::min<long>(timeoutMs, 24 * 3600 * 1000)));
    return 0;
}

void CurlMulti::watch(curl_socket_t socket, int what)
{
    if (what == CURL_POLL_REMOVE) {
        m_watches.erase(socket);
        return;
    }
    std::unique_ptr<Watch> &watch = m_watches[socket];
    if (!watch)
        watch = std::make_unique<Watch>();
    const auto wanted = [&](decltype(Watch::read) &notifier, QSocketNotifier::Type type, bool on, int event) {
        if (!on) {
            if (notifier)
                notifier->setEnabled(false);
            return;
        }
        if (!notifier) {
            notifier.reset(new QSocketNotifier(socket, type));
            QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                             [this, socket, event] { act(socket, event); });
        }
        notifier->setEnabled(true);
    };
    wanted(watch->read, QSocketNotifier::Read, what & CURL_POLL_IN, CURL_CSELECT_IN);
    wanted(watch->write, QSocketNotifier::Write, what & CURL_POLL_OUT, CURL_CSELECT_OUT);
}

void CurlMulti::act(curl_socket_t socket, int events)
{
    int running = 0;
    curl_multi_socket_action(m_multi, socket, events, &running);
    reportFinished();
}

void CurlMulti::reportFinished()
{
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg == CURLMSG_DONE && finished)
            finished(message->easy_handle, message->data.result);
    }
}

} // namespace platform
