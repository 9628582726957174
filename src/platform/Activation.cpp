// SPDX-License-Identifier: GPL-3.0-or-later
#include "Activation.h"

#include "StartupNotification.h"
#include "X11Session.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

// Qt's Wayland plugin (6.4 as 6.8) reads this variable when a window asks to be activated, sends
// the token with the xdg-activation request and clears the variable; it offers no public call that
// takes a token. Setting it just before the request hands the token to exactly that request.
constexpr char kTokenVariable[] = "XDG_ACTIVATION_TOKEN";

bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

void activateWithToken(QWidget& window, const QString& activationToken) {
    if (onX11()) {
        // Qt would ask with the time of the last event this copy saw, which may be long past.
        window.winId();
        const auto time = launch::launchTime(activationToken);
        if (time && window.windowHandle() && x11::requestActivation(*window.windowHandle(), *time))
            return;
        window.activateWindow();
        return;
    }
    if (!activationToken.isEmpty())
        qputenv(kTokenVariable, activationToken.toUtf8());
    window.activateWindow();
    // A token the platform did not take (no activation protocol) must not linger for a later,
    // unrelated activation: tokens are for one use.
    qunsetenv(kTokenVariable);
}

QString launchToken(const QString& startupId) {
    return onX11() ? startupId : qEnvironmentVariable(kTokenVariable);
}

} // namespace platform
