// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - activating a window with the token a desktop launcher issued for a launch. On Wayland a
// window may take the focus only with an activation token; without one the compositor may just mark
// it as wanting attention. On X11 the launcher's token is the launch's startup id, which ends in the X
// server time of the user's click: window managers that guard against windows stealing the focus let
// a window come forward for an application only with a time after the user's last action elsewhere.
#pragma once

#include <QString>

class QWidget;

namespace platform {

// Asks for the window to become the active one: on X11 at the launch's time when the token carries
// one, else as Qt does, handing Qt the token on Wayland.
void activateWithToken(QWidget& window, const QString& activationToken);

// The token this copy was started with, for the platform it runs on: the Wayland activation token,
// or on X11 the startup id read before the application object existed.
QString launchToken(const QString& startupId);

} // namespace platform
