// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the colour of each element's cell in each classification view.
//
// Every function takes the atomic number and returns the colour as text, in the form fixed for
// its class: decimal digits ("13748664") or "&H" with six hexadecimal digits ("&H00D189").
// The classes are fixed tables by atomic number, not derived from the element record. The neutral
// grey &HD1C9B8 marks elements outside a family, or without data, in every view. Numbers outside
// 1 to 118 get the fall-back colour of the function.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace TPDEQ {

inline constexpr std::uint32_t kNeutralGrey = 0xD1C9B8;

// Families: members get the family's colour, all other elements the neutral grey.
std::string AlkaliMetalColor(std::int16_t atomicNumber);
std::string AlkalineEarthColor(std::int16_t atomicNumber);
std::string ChalcogenColor(std::int16_t atomicNumber);
std::string HalogenColor(std::int16_t atomicNumber);
std::string MetalloidColor(std::int16_t atomicNumber);
std::string NobleGasColor(std::int16_t atomicNumber);
std::string LanthanideColor(std::int16_t atomicNumber);
std::string ActinideColor(std::int16_t atomicNumber);
std::string NonMetalColor(std::int16_t atomicNumber);
std::string NitrogenFamilyColor(std::int16_t atomicNumber);
std::string CarbonFamilyColor(std::int16_t atomicNumber);
std::string AluminiumFamilyColor(std::int16_t atomicNumber);
std::string PreciousMetalColor(std::int16_t atomicNumber);
std::string CoinageMetalColor(std::int16_t atomicNumber);
std::string RareEarthColor(std::int16_t atomicNumber);
std::string MalleableMetalColor(std::int16_t atomicNumber);
std::string HardDuctileMetalColor(std::int16_t atomicNumber);

// Properties: one colour per class of the legend that explains the view.
std::string BiologicalEffectColor(std::int16_t atomicNumber);
std::string State25Color(std::int16_t atomicNumber);
std::string State700Color(std::int16_t atomicNumber);
std::string DiscoveryCenturyColor(std::int16_t atomicNumber);
std::string SuperconductorColor(std::int16_t atomicNumber);
std::string BlockColor(std::int16_t atomicNumber);
std::string AtomicRadiusColor(std::int16_t atomicNumber);
// Every element 1 to 118 has a class; any other number gives the empty text.
std::string ThermalConductivityColor(std::int16_t atomicNumber);

// Reads the current colour of a legend swatch lblLegenda(k); nullopt if it cannot be read.
using SwatchReader = std::function<std::optional<std::uint32_t>(int swatch)>;

// The colour of cell i (element i + 1) by its crystal lattice: the colour of the lattice's swatch
// in the lattice legend, as decimal text; the neutral grey for "---" and numbers outside the table.
// nullopt when the swatch cannot be read, so that the caller leaves the cell as it is.
std::optional<std::string> LatticeColor(std::int16_t cellIndex, const SwatchReader& swatchColour);

} // namespace TPDEQ
