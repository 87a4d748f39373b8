// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/activation_socket.h"

#include <QByteArray>

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

bool requestActivation(int folder, QString *problem)
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
    const char byte = 1;
    // The holder may have taken the connection, which is the request, and
    // closed it before the byte came: that is no failure.
    if (::send(knock.get(), &byte, 1, MSG_NOSIGNAL | MSG_DONTWAIT) != 1 && errno != EPIPE && errno != ECONNRESET) {
        *problem = because("send");
        return false;
    }
    return true;
}

bool takeActivationRequests(int listener)
{
    bool knocked = false;
    for (;;) {
        const int connection = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (connection < 0) {
            if (errno == EINTR)
                continue;
            return knocked;
        }
        // The connection is the request; what it carries does not matter.
        ::close(connection);
        knocked = true;
    }
}

} // namespace platform
