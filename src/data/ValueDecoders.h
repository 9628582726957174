// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - properties derived from the atomic number rather than stored in the element record.
#pragma once

#include <cstdint>
#include <string>

namespace TPDEQ {

// Crystal lattice ("Hexagonal Composta", ..., "---"); empty text outside 1 to 118.
std::string LatticeName(std::int16_t atomicNumber);
// Physical state at 0 °C and 1 atm; "Sólido" for every number not named otherwise, even outside 1 to 118.
std::string StateName(std::int16_t atomicNumber);
// "Natural" or "Artificial"; empty text outside 1 to 118.
std::string OriginName(std::int16_t atomicNumber);

} // namespace TPDEQ
