// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - activating a window with a token a desktop launcher issued. On Wayland a window may take
// the focus only with such a token; without one the compositor may just mark it as wanting
// attention. On X11 the token plays no part.
#pragma once

#include <QString>

class QWidget;

namespace platform {

// Asks for the window to become the active one, handing Qt the token when one is given.
void activateWithToken(QWidget& window, const QString& activationToken);

} // namespace platform
