// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessFacts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>
#include <dlfcn.h>
#include <unistd.h>

namespace platform {
namespace {

// Any object of the executable locates the executable's image in memory.
const char kInExecutable = 0;

} // namespace

ProcessFacts processFacts(const QWidget& mainWindow) {
    ProcessFacts facts;
    facts.folder = QCoreApplication::applicationDirPath();
    facts.executableName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    // A window is in the task list when it is a window of its own that no other window owns and
    // that is not a tool, splash or pop-up window.
    const Qt::WindowType type = mainWindow.windowType();
    facts.inTaskList = mainWindow.isWindow() && !mainWindow.parentWidget() &&
                       (type == Qt::Window || type == Qt::Dialog) &&
                       !mainWindow.windowFlags().testFlag(Qt::X11BypassWindowManagerHint);
    facts.mainThreadId = gettid();
    Dl_info module{};
    if (dladdr(&kInExecutable, &module) != 0)
        facts.instanceHandle = std::int32_t(std::uint32_t(reinterpret_cast<std::uintptr_t>(module.dli_fbase)));
    return facts;
}

} // namespace platform
