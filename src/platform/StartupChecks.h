// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - what the program does before it has a window: answers --version and --help, refuses an
// argument it does not know with the usage line and status 2, and ends with one plain line and
// status 1, instead of an abort, when no display can be opened.
#pragma once

#include <optional>

namespace platform {

// The exit status for an option answered on the terminal (0) or an argument neither the program nor
// Qt knows (2), or nullopt to go on and open the window.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// While the application object is built, Qt's messages are held back; a fatal one (no display,
// no platform plugin) prints one line in Portuguese that names what failed, and ends the program
// with status 1. Made before the program chooses a platform itself, to know what the user chose.
class DisplayGuard {
  public:
    DisplayGuard(int argc, char* argv[]);
    ~DisplayGuard(); // the application object exists: Qt's messages go out as usual again
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

} // namespace platform
