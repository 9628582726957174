// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnTop.h"

#include <QGuiApplication>
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

bool canKeepOnTop() {
    // "wayland", and the same plugin under its other names ("wayland-egl"...).
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace platform
