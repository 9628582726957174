// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UnixAddress.h"

#include <cstddef>
#include <cstring>

namespace platform {

std::optional<UnixAddress> UnixAddress::of(const QByteArray& path) {
    UnixAddress result;
    if (path.isEmpty() || path.contains('\0') || std::size_t(path.size()) >= sizeof result.address.sun_path)
        return std::nullopt;
    result.address.sun_family = AF_UNIX;
    std::memcpy(result.address.sun_path, path.constData(), std::size_t(path.size()) + 1);
    result.length = socklen_t(offsetof(sockaddr_un, sun_path) + std::size_t(path.size()) + 1);
    return result;
}

std::optional<UnixAddress> UnixAddress::abstract(const QByteArray& name) {
    UnixAddress result;
    if (name.isEmpty() || std::size_t(name.size()) >= sizeof result.address.sun_path)
        return std::nullopt;
    result.address.sun_family = AF_UNIX;
    std::memcpy(result.address.sun_path + 1, name.constData(), std::size_t(name.size()));
    result.length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    return result;
}

int openUnixStreamSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

} // namespace platform
