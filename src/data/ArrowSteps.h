// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - moving through the table with the arrow keys. Right and left follow the atomic number;
// up and down move to the cell directly above or below, with the lanthanide row under period 7
// and the actinide row under the lanthanides.
#pragma once

#include <optional>

namespace keys {

// The step of the element list index from element z (1 ... 118) for the up or the down key;
// nullopt where the key does nothing (no cell above or below).
std::optional<int> upStep(int atomicNumber);
std::optional<int> downStep(int atomicNumber);

// The list index after right or left from index k among count entries; nullopt at the ends.
std::optional<int> rightOf(int index, int count);
std::optional<int> leftOf(int index);

} // namespace keys
