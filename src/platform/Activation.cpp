// SPDX-License-Identifier: GPL-3.0-or-later
#include "Activation.h"

#include <QWidget>

namespace platform {
namespace {

// Qt's Wayland plugin (6.4 as 6.8) reads this variable when a window asks to be activated, sends
// the token with the xdg-activation request and clears the variable; it offers no public call that
// takes a token. Setting it just before the request hands the token to exactly that request.
constexpr char kTokenVariable[] = "XDG_ACTIVATION_TOKEN";

} // namespace

void activateWithToken(QWidget& window, const QString& activationToken) {
    if (!activationToken.isEmpty())
        qputenv(kTokenVariable, activationToken.toUtf8());
    window.activateWindow();
    // A token the platform did not take (X11, or no activation protocol) must not linger for a
    // later, unrelated activation: tokens are for one use.
    qunsetenv(kTokenVariable);
}

} // namespace platform
