// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - which display the program opens its windows on. Wayland gives a client no way to centre
// its window, keep it above others or raise itself when a later copy starts; the desktops that run
// Wayland also run an X server (XWayland) for programs that need those. So when the user has not
// chosen a platform and an X server on this machine answers, the program uses the X11 platform.
#pragma once

#include <string>

namespace platform {

// The socket of the local X server that DISPLAY names (":0", ":1.0", "unix:2", or a socket path
// followed by ":N"), or an empty text for a server on another host or a DISPLAY that names none.
std::string xSocketPath(const char* display);

// Whether a server listens on the socket: at its name in Linux's abstract namespace, as X servers
// also bind, or at the path itself. Never waits.
bool socketAnswers(const std::string& path);

// Whether the user named a platform: QT_QPA_PLATFORM (not empty) or Qt's -platform option.
bool platformChosen(int argc, char* argv[], const char* qpaPlatform);

// The platform the user named, and where: "-platform" for Qt's option, which wins as it does in Qt,
// or "QT_QPA_PLATFORM". Both empty when the user named none.
struct PlatformChoice {
    std::string name;
    std::string where;
};
PlatformChoice userPlatform(int argc, char* argv[], const char* qpaPlatform);

// To be called before the application object exists: chooses the X11 platform when the user chose
// none and the X server named by DISPLAY answers; otherwise leaves Qt's own choice alone.
void preferX11WhenReachable(int argc, char* argv[]);

} // namespace platform
