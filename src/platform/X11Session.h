// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the few requests the program makes of the X server and its window manager itself, over
// the connection Qt's X11 platform opened, as Qt offers no call for them: which features the window
// manager announces, activating a window at a given X server time, and broadcasting a text message
// on the root window. On any other platform nothing is asked or sent.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

class QWindow;

namespace platform::x11 {

// Whether the window manager lists the atom in _NET_SUPPORTED on the root window; nullopt when the
// program does not run on X11 or no window manager announces its features.
std::optional<bool> managerSupports(const char* atomName);

// Asks the window manager, as the application, to activate the window at the given X server time
// (_NET_ACTIVE_WINDOW). False, having sent nothing, when not on X11 or the manager takes no such
// request.
bool requestActivation(const QWindow& window, quint32 time);

// Sends the text to the root window, for every client that listens there, as client messages of
// 20 bytes each (the text, a terminating zero byte, zero bytes to the end of the last one): the
// first of type firstType, the others of type nextType, all naming a window made for the message
// alone. False when not on X11.
bool broadcast(const char* firstType, const char* nextType, const QByteArray& text);

} // namespace platform::x11
