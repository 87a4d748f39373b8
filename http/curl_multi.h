// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

#include <curl/curl.h>

#include <functional>
#include <map>
#include <memory>

class QSocketNotifier;

namespace platform {

// A libcurl multi handle driven by the window thread's event loop: its
// sockets are watched by socket notifiers and its time-outs by a timer, so a
// transfer moves on whenever events are handled and nothing else runs.
class CurlMulti final {
public:
    CurlMulti();
    ~CurlMulti();
    CurlMulti(const CurlMulti &) = delete;
    CurlMulti &operator=(const CurlMulti &) = delete;

    // A transfer added is started at the next handling of events; one
    // removed (never from inside one of its own callbacks) stops at once.
    void add(CURL *easy);
    void remove(CURL *easy);

    // Told of each transfer that ended, by itself or by a callback's refusal,
    // once libcurl is done with the event at hand.
    std::function<void(CURL *easy, CURLcode result)> finished;

private:
    struct Watch;
    static int takeSocket(CURL *easy, curl_socket_t socket, int what, void *self, void *);
    static int takeTimer(CURLM *multi, long timeoutMs, void *self);
    void watch(curl_socket_t socket, int what);
    void act(curl_socket_t socket, int events);
    void reportFinished();

    CURLM *m_multi = nullptr;
    QTimer m_timer;
    std::map<curl_socket_t, std::unique_ptr<Watch>> m_watches;
};

} // namespace platform
