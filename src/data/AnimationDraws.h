// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - what one tick of the animation shows: a group numbering, an element and a view.
#pragma once

#include "RandomSource.h"

namespace animation {

inline constexpr int kAnimatedViews = 19; // the first 19 entries of views::offeredNames()

struct Draw {
    int numbering;    // 0 family names, 1 IUPAC numbers
    int elementIndex; // 0 ... 117
    int viewIndex;    // 0 ... 18
};

// Reseeds the source from the clock, then draws the three choices in this order, each rounded
// to the nearest integer with halves going to the even one.
Draw next(RandomSource& random);

} // namespace animation
