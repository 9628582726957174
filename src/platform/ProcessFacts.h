// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - facts about the running program that the information window shows.
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace platform {

struct ProcessFacts {
    QString folder;          // the folder of the running executable
    bool inTaskList = false; // whether the main window is listed in the desktop's task list
    qint64 mainThreadId = 0; // the kernel's id of the thread that runs the windows
    QString executableName;  // the executable's file name without its extension
    // Linux has no module instance handle. Its stand-in is the address at which the executable is
    // loaded, the same notion (the module's base in memory), shown as a signed 32-bit number
    // from its low 32 bits.
    std::int32_t instanceHandle = 0;
};

// Read on the thread that runs the windows; mainWindow is the window the task list would show.
ProcessFacts processFacts(const QWidget& mainWindow);

} // namespace platform
