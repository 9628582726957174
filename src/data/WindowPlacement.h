// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - where a window of its own opens: its outer frame centred on the screen, yet never with
// its title bar out of reach. Pixels, in the desktop's coordinates.
#pragma once

namespace placement {

struct Area {
    int left, top, width, height;
};

struct Origin {
    int left, top;
};

// The top-left corner for a frame of the given outer size. Along each axis the frame is centred on
// the whole screen and then kept inside the available area (the screen less its panels); where the
// frame is larger than the available area it starts at the area's start, so the title bar and the
// left edge stay on screen, where the user can take hold of them.
Origin frameOrigin(const Area& screen, const Area& available, int outerWidth, int outerHeight);

} // namespace placement
