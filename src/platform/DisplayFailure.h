// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the one line the program ends with when Qt could open no display: what failed, named so
// that the user can mend it. Qt tries one platform, or several in turn, and says which ones it could
// not start; the line describes each of them by what it needed: the X server that DISPLAY names, the
// Wayland server's socket, or the platform's plugin.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

struct DisplayFacts {
    std::string chosenPlatform; // as the user named it; empty when the user named none
    std::string chosenWhere;    // "QT_QPA_PLATFORM" or "-platform"
    // The platforms Qt tried and could not start, in order, and those of them it did not find.
    std::vector<std::string> failed;
    std::vector<std::string> notInstalled;
    std::optional<std::string> display;        // DISPLAY; nullopt when not set
    std::optional<std::string> waylandDisplay; // WAYLAND_DISPLAY
    std::optional<std::string> runtimeDir;     // XDG_RUNTIME_DIR
    bool xServerAnswers = false;               // a local X server listens where DISPLAY points
};

// Takes note of the platform a message of Qt's says it could not load or find, if it says so.
void notePlatformMessage(const std::string& message, DisplayFacts& facts);

// The line, in Portuguese, with its line break.
std::string displayFailureLine(const DisplayFacts& facts);

} // namespace platform
