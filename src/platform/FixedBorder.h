// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a window border the user cannot drag to another size, on a window that can still be
// maximised. Window managers (openbox, kwin, mutter) take the maximise button away from a window whose
// smallest and largest sizes are equal, so the size is not fixed that way. Instead the window's size
// hints give the size as its smallest and base size, with a resize step larger than any screen: a
// manager that keeps to the steps in a drag has no other size to offer, and none keeps to them for a
// maximised or full-screen window. Where the hints are not followed (Wayland has none, and some X
// managers ignore steps), the window's own resize handler must put the size back.
#pragma once

class QSize;
class QWidget;

namespace platform {

void holdSizeAgainstDrags(QWidget& window, const QSize& size);

} // namespace platform
