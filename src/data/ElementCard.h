// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the element card: the entry of the element list that names an element, and the 22
// texts of the detail boxes as the window shows them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace card {

// The detail boxes txtValor(0 ... 21). Boxes 1 to 18 show the record field of the same index;
// 19 to 21 the decoded lattice, state and origin; 0 the CAS number.
enum Box : std::size_t {
    casBox = 0,
    atomicNumberBox,
    atomicMassBox,
    shellsBox,
    configurationBox,
    orbitalBox,
    meltingPointBox,
    boilingPointBox,
    densityBox,
    covalentRadiusBox,
    ionicRadiusBox,
    atomicRadiusBox,
    atomicVolumeBox,
    electronegativityBox,
    ionizationEnergyBox,
    conductivityBox,
    nameOriginBox,
    discoveryBox,
    englishNameBox,
    latticeBox,
    stateBox,
    originBox,
};
inline constexpr std::size_t kBoxCount = 22;

// The element list's entry for element z: the name, " - " and z as three digits, "Ferro - 026";
// empty outside 1 to 118.
std::string entryText(int atomicNumber);
// The atomic number an entry ends in; nullopt where its last three characters are no element.
std::optional<int> atomicNumberOf(std::string_view entry);
// The tool tip of an element's cell, "26 - Ferro".
std::string cellToolTip(int atomicNumber);

// The text a box shows for a value: the mass and the measured values with a decimal comma.
std::string shown(Box box, std::string text);

// The 22 box texts of element z as shown; all empty outside 1 to 118.
std::array<std::string, kBoxCount> boxTexts(int atomicNumber);

} // namespace card
