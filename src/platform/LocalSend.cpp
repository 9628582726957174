// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalSend.h"

#include "platform/UniqueFd.h"
#include "platform/UnixAddress.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

namespace platform {
namespace {

// How long to wait before connecting again while the listener's queue is full.
constexpr qint64 fullQueuePauseMs = 10;

// The time left, at most atMost milliseconds (a deadline that never expires has -1 left).
int remainingMs(const QDeadlineTimer& deadline, qint64 atMost) {
    return deadline.isForever() ? int(atMost) : int(std::clamp<qint64>(deadline.remainingTime(), 0, atMost));
}

// Waits until fd can be written (or has failed), at most until the deadline.
bool waitWritable(int fd, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd watched{fd, POLLOUT, 0};
        const int ready = ::poll(&watched, 1, remainingMs(deadline, 1000));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
        if (deadline.hasExpired())
            return false;
    }
}

bool connectBefore(int fd, const UnixAddress& address, const QDeadlineTimer& deadline) {
    for (;;) {
        if (::connect(fd, address.get(), address.length) == 0 || errno == EISCONN)
            return true;
        if (errno == EINPROGRESS) { // not on Linux for local sockets, but allowed by POSIX
            int error = 0;
            socklen_t size = sizeof error;
            return waitWritable(fd, deadline) && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 &&
                   error == 0;
        }
        if (errno == EINTR)
            continue;
        // EAGAIN: the listener has as many connections queued as it takes; it may take them in soon.
        // Anything else (no file, nobody listening, not a socket) will not change in a moment.
        if (errno != EAGAIN || deadline.hasExpired())
            return false;
        ::poll(nullptr, 0, remainingMs(deadline, fullQueuePauseMs));
    }
}

} // namespace

bool sendToLocalSocket(const QString& path, const QByteArray& bytes, QDeadlineTimer deadline) {
    const auto address = UnixAddress::of(QFile::encodeName(path));
    if (!address)
        return false;
    const UniqueFd fd(openUnixStreamSocket());
    if (!fd || !connectBefore(fd.get(), *address, deadline))
        return false;
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        // MSG_NOSIGNAL: a listener that has already dropped us gives an error, not a SIGPIPE.
        const ssize_t n =
            ::send(fd.get(), bytes.constData() + sent, std::size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += qsizetype(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitWritable(fd.get(), deadline))
                return false;
        } else
            return false;
    }
    return true;
}

} // namespace platform
