// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayChoice.h"

#include "platform/UniqueFd.h"
#include "platform/UnixAddress.h"

#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

// Non-blocking: a server whose queue is full counts as not answering rather than holding us up.
bool connects(const std::optional<UnixAddress>& address) {
    if (!address)
        return false;
    const UniqueFd fd(openUnixStreamSocket());
    return fd && ::connect(fd.get(), address->get(), address->length) == 0;
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
    const QByteArray name = QByteArray::fromStdString(path);
    return connects(UnixAddress::abstract(name)) || connects(UnixAddress::of(name));
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
