// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the address of a local (AF_UNIX) stream socket: a file in the file system, or a name in
// Linux's abstract namespace.
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
    // The address of the socket named name in Linux's abstract namespace (no file: the name follows a
    // zero byte). Empty when the name is empty or does not fit sun_path after that byte.
    static std::optional<UnixAddress> abstract(const QByteArray& name);
};

// Opens an AF_UNIX stream socket, non-blocking and closed on exec; -1 on failure.
int openUnixStreamSocket();

} // namespace platform
