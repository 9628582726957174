// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayChoice.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

bool connects(const char* address, std::size_t length) {
    sockaddr_un socketAddress{};
    if (length == 0 || length > sizeof socketAddress.sun_path)
        return false;
    socketAddress.sun_family = AF_UNIX;
    std::memcpy(socketAddress.sun_path, address, length);
    // Non-blocking: a server whose queue is full counts as not answering rather than holding us up.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&socketAddress),
                                     socklen_t(offsetof(sockaddr_un, sun_path) + length)) == 0;
    ::close(fd);
    return connected;
}

} // namespace

std::string xSocketPath(const char* display) {
    if (!display)
        return {};
    const std::string text(display);
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos)
        return {};
    std::string host = text.substr(0, colon);
    // The display number: digits, then an optional ".screen".
    const std::string rest = text.substr(colon + 1);
    const std::string number = rest.substr(0, rest.find_first_not_of("0123456789"));
    if (number.empty() || (number.size() < rest.size() && rest[number.size()] != '.'))
        return {};
    if (!host.empty() && host.front() == '/')
        return host; // the socket's own path, as some systems give it
    if (host.rfind("unix/", 0) == 0)
        host.erase(0, 5);
    if (!host.empty() && host != "unix")
        return {}; // another host, reached over the network: not probed
    return "/tmp/.X11-unix/X" + number;
}

bool socketAnswers(const std::string& path) {
    if (path.empty())
        return false;
    const std::string abstractName = '\0' + path;
    return connects(abstractName.data(), abstractName.size()) || connects(path.c_str(), path.size() + 1);
}

bool platformChosen(int argc, char* argv[], const char* qpaPlatform) {
    return !userPlatform(argc, argv, qpaPlatform).where.empty();
}

PlatformChoice userPlatform(int argc, char* argv[], const char* qpaPlatform) {
    PlatformChoice choice;
    if (qpaPlatform && *qpaPlatform)
        choice = {qpaPlatform, "QT_QPA_PLATFORM"};
    for (int arg = 1; arg < argc; ++arg) {
        const char* option = argv[arg];
        if (std::strcmp(option, "-platform") == 0 || std::strcmp(option, "--platform") == 0)
            choice = {arg + 1 < argc ? argv[arg + 1] : "", "-platform"};
    }
    return choice;
}

void preferX11WhenReachable(int argc, char* argv[]) {
    if (platformChosen(argc, argv, std::getenv("QT_QPA_PLATFORM")))
        return;
    if (socketAnswers(xSocketPath(std::getenv("DISPLAY"))))
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
}

} // namespace platform
