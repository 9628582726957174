// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the desktop launch that started this copy (freedesktop startup notification). A launcher
// on X11 gives the program it starts an id in DESKTOP_STARTUP_ID and shows a busy cursor until a
// window of that launch appears or the program says the launch is over. A copy that hands over to the
// running one shows no window, so it ends the launch itself. Qt's X11 platform reads the variable
// and clears it as it connects, so the program reads it before the application object exists.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform::launch {

inline constexpr char kIdVariable[] = "DESKTOP_STARTUP_ID";

// The message that ends the launch: "remove: ID=" and the id, which is put in double quotes, with a
// backslash before each quote and backslash in it, when it holds a blank, a quote or a backslash.
QByteArray removeMessage(const QString& id);

// The X server time of the user's action that started the launch, which a launcher writes at the end
// of the id as "_TIME" and the time in decimal; nullopt when the id carries none, or zero.
std::optional<quint32> launchTime(const QString& id);

// Tells the desktop that the launch is over: on X11 broadcasts the remove message; elsewhere, or
// with no id, does nothing.
void endLaunch(const QString& id);

} // namespace platform::launch
