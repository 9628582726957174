// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - placing a window of its own on the screen, by its outer frame.
#pragma once

class QWidget;

namespace layout {

// Moves the window so that its outer frame is centred on its screen, or at the top-left of the
// available area where the frame is larger than that area. The frame is the window manager's:
// until the window has one (before it is first shown, and always without a window manager) the
// client area stands for it, and the window is centred once more as soon as its frame appears,
// since centring by the client area alone leaves the frame off centre by the title bar's height.
// A minimised, maximised or full-screen window stays where it is.
void centreOnScreen(QWidget& window);

} // namespace layout
