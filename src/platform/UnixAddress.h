// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the address of a local (AF_UNIX) stream socket that lives in the file system.
#pragma once

#include <QByteArray>

#include <optional>
#include <sys/socket.h>
#include <sys/un.h>

namespace platform {

struct UnixAddress {
    sockaddr_un address{};
    socklen_t length = 0;

    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address); }

    // The address of the socket file at path (in the file system's encoding). Empty when the path is
    // empty, holds a zero byte, or does not fit sun_path (108 bytes) with its terminator: the kernel
    // would otherwise bind or reach a shortened name.
    static std::optional<UnixAddress> of(const QByteArray& path);
};

// Opens an AF_UNIX stream socket, non-blocking and closed on exec; -1 on failure.
int openUnixStreamSocket();

} // namespace platform
