// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnTop.h"

#include "X11Session.h"

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
    return canKeepOnTop(QGuiApplication::platformName(), x11::managerSupports("_NET_WM_STATE_ABOVE"));
}

bool canKeepOnTop(QStringView platformName, std::optional<bool> managerKeepsAbove) {
    // "wayland", and the same plugin under its other names ("wayland-egl"...).
    if (platformName.startsWith(QLatin1String("wayland")))
        return false;
    // With no manager at all, or none that says, the request may still work: offer it.
    return managerKeepsAbove.value_or(true);
}

} // namespace platform
