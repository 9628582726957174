// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/WindowPlacement.h"

#include <algorithm>

namespace placement {
namespace {

int axisStart(int screenStart, int screenLength, int availableStart, int availableLength, int outer) {
    if (outer > availableLength)
        return availableStart;
    const int centred = screenStart + (screenLength - outer) / 2;
    return std::clamp(centred, availableStart, availableStart + availableLength - outer);
}

} // namespace

Origin frameOrigin(const Area& screen, const Area& available, int outerWidth, int outerHeight) {
    return {axisStart(screen.left, screen.width, available.left, available.width, outerWidth),
            axisStart(screen.top, screen.height, available.top, available.height, outerHeight)};
}

} // namespace placement
