// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalConnection.h"

#include "platform/RetireNotifier.h"

#include <algorithm>
#include <cerrno>
#include <sys/socket.h>

namespace platform {

LocalConnection::LocalConnection(UniqueFd fd, qsizetype limit, QObject* parent)
    : QObject(parent), fd_(std::move(fd)), limit_(limit) {
    if (!fd_)
        return;
    notifier_ = new QSocketNotifier(fd_.get(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &LocalConnection::readAvailable);
}

LocalConnection::~LocalConnection() {
    close();
}

void LocalConnection::readAvailable() {
    if (ended())
        return;
    bool news = false;
    char chunk[4096];
    while (!ended_ && received_.size() < limit_) {
        const auto wanted = std::min<qsizetype>(qsizetype(sizeof chunk), limit_ - received_.size());
        const ssize_t got = ::recv(fd_.get(), chunk, std::size_t(wanted), 0);
        if (got > 0) {
            received_.append(chunk, qsizetype(got));
            news = true;
        } else if (got == 0 || (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)) {
            ended_ = true; // the peer closed its end, or the connection broke
            news = true;
        } else if (errno != EINTR) {
            break; // nothing more for now
        }
    }
    // At the end, or full, the socket stays readable: stop watching it, or the event loop would
    // wake for it over and over.
    if (ended_ || received_.size() >= limit_)
        notifier_->setEnabled(false);
    if (news)
        emit changed();
}

void LocalConnection::close() {
    retireNotifier(notifier_);
    fd_.reset();
}

} // namespace platform
