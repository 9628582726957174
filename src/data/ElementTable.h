// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the element table: one constant record of 20 texts per element.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace TPDEQ {

// Field indices of an element record. Callers select fields by index, so these never change.
enum class ElementField : std::size_t {
    name = 0,
    atomicNumber,
    atomicMass,
    shells,
    configuration,
    orbital,
    meltingPoint,
    boilingPoint,
    density,
    covalentRadius,
    ionicRadius,
    atomicRadius,
    atomicVolume,
    electronegativity,
    ionizationEnergy,
    conductivity,
    nameOrigin,
    discovery,
    englishName,
    casNumber,
};

inline constexpr std::int16_t kElementCount = 118;

inline constexpr std::size_t kFieldCount = 20;

// The fields that the detail panel shows with a decimal comma: the mass and the measured values.
constexpr bool showsDecimalComma(ElementField field) {
    return field == ElementField::atomicMass ||
           (field >= ElementField::meltingPoint && field <= ElementField::conductivity);
}

// The 20 texts of one element, indices 0 to 19, also read by field.
struct ElementRecord : std::array<std::string, kFieldCount> {
    using array::operator[];
    const std::string& operator[](ElementField field) const { return array::operator[](std::size_t(field)); }
    std::string& operator[](ElementField field) { return array::operator[](std::size_t(field)); }
};

// The record of the element with this atomic number (1 to 118), as a new independent copy;
// std::nullopt for any other number.
std::optional<ElementRecord> GetElementRecord(std::int16_t atomicNumber);

// One field of the element's record without copying it, for readers that scan all elements;
// empty for any other number.
std::string_view ElementText(std::int16_t atomicNumber, ElementField field);

} // namespace TPDEQ
