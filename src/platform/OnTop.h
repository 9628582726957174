// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - keeping a window above the windows of other programs, or back in the normal order.
// The flag is set on the window's native handle, which X11 applies at once without hiding the
// window; Wayland has no such request, and there the call changes nothing.
#pragma once

#include <QStringView>

#include <optional>

class QWidget;

namespace platform {

// Creates the native window if it does not exist yet (a hidden window stays hidden).
void setTopmost(QWidget& window, bool topmost);
bool isTopmost(const QWidget& window);

// Whether the platform the program runs on can keep a window above others: not on Wayland, whose
// protocols give a client no such request, nor under an X11 window manager that announces what it
// supports without "keep above" (Weston's, for XWayland, ignores the request).
bool canKeepOnTop();

// The same decision from the platform's name and whether the X11 window manager lists "keep above"
// among its features (nullopt: not on X11, or no manager announces features).
bool canKeepOnTop(QStringView platformName, std::optional<bool> managerKeepsAbove);

} // namespace platform
