// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/activation_socket.h"

#include <QByteArray>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// Reaches the socket through the folder's descriptor, so it is made and
// found in the folder that was checked, whatever its path has become; and
// the address stays short whatever that path is.
bool addressIn(int folder, sockaddr_un &address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(folder) + '/' + kActivationSocketName;
    if (folder < 0 || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

QString because(const char *what)
{
    return QString::fromLatin1(what) + QStringLiteral(": ") + qt_error_string(errno);
}

} // namespace

bool listenForActivation(int folder, posix::FileDescriptor &listener, QString *problem)
{
    listener.reset();
    sockaddr_un address;
    if (!addressIn(folder, address)) {
        *problem = QStringLiteral("no folder to listen in");
        return false;
    }
    listener.reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!listener.valid()) {
        *problem = because("socket");
        return false;
    }
    ::unlinkat(folder, kActivationSocketName, 0);
    if (::bind(listener.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        *problem = because("bind");
        listener.reset();
    } else if (::listen(listener.get(), 8) != 0) {
        *problem = because("listen");
        listener.reset();
    }
    return listener.valid();
}

bool requestActivation(int folder, const QByteArray &token, QString *problem)
{
    sockaddr_un address;
    if (!addressIn(folder, address)) {
        *problem = QStringLiteral("no folder to knock in");
        return false;
    }
    posix::FileDescriptor knock(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!knock.valid()) {
        *problem = because("socket");
        return false;
    }
    // A local stream connects at once or refuses (EAGAIN: its queue is full);
    // it never leaves us waiting.
    if (::connect(knock.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        *problem = because("connect");
        return false;
    }
    // A token this short fits the socket's buffer whole: the send never waits.
    const QByteArray sent = token.size() <= kMaxActivationToken ? token : QByteArray();
    // The holder may have taken the connection, which is the request, and
    // closed it before the token came: that is no failure.
    if (!sent.isEmpty()
        && ::send(knock.get(), sent.constData(), size_t(sent.size()), MSG_NOSIGNAL | MSG_DONTWAIT) != sent.size()
        && errno != EPIPE && errno != ECONNRESET) {
        *problem = because("send");
        return false;
    }
    return true;
}

std::vector<int> takeActivationRequests(int listener)
{
    std::vector<int> knocks;
    for (;;) {
        const int connection = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (connection < 0) {
            if (errno == EINTR)
                continue;
            return knocks;
        }
        knocks.push_back(connection);
    }
}

bool readActivationToken(int connection, QByteArray &token)
{
    char buffer[kMaxActivationToken + 1];
    for (;;) {
        const ssize_t got = ::recv(connection, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return false;
        if (got > 0 && token.size() + got <= kMaxActivationToken) {
            token.append(buffer, got);
            continue;
        }
        // Closed, failed, or too long; a token is printable ASCII, nothing else.
        const bool fit =
            got == 0 && std::all_of(token.cbegin(), token.cend(), [](char c) { return c > ' ' && c < 127; });
        if (!fit)
            token.clear();
        return true;
    }
}

} // namespace platform
