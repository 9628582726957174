// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnTop.h"

#include <QWidget>
#include <QWindow>

namespace platform {

void setTopmost(QWidget& window, bool topmost) {
    window.winId(); // the native window, hidden if the widget is
    if (QWindow* handle = window.windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
}

bool isTopmost(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle && handle->flags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace platform
