// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/AnimationDraws.h"

#include "data/ElementTable.h"

namespace animation {

Draw next(RandomSource& random) {
    random.reseed();
    Draw draw{};
    draw.numbering = random.nearestOfScaled(1);
    draw.elementIndex = random.nearestOfScaled(TPDEQ::kElementCount - 1);
    draw.viewIndex = random.nearestOfScaled(kAnimatedViews - 1);
    return draw;
}

} // namespace animation
