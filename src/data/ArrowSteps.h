// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - moving through the table with the arrow keys. Right and left follow the atomic number;
// up and down move to the cell directly above or below, with the lanthanide row under period 7
// and the actinide row under the lanthanides.
#pragma once

#include <optional>

namespace keys {

enum class Arrow { Right, Left, Up, Down };

// The element list index an arrow key moves to from list index `index` among `count` entries:
// right and left the next and previous entry, up and down the cell above or below; nullopt
// where the key does nothing (an end of the list, no cell above or below).
std::optional<int> target(Arrow arrow, int index, int count);

} // namespace keys
