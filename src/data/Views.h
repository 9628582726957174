// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the views of the periodic table: each view's name, how it colours the 118 cells and
// which legend panel explains it.
#pragma once

#include "ColourFunctions.h"
#include "ElementTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace views {

inline constexpr std::string_view kDefaultView = "Propriedades";

// How a view finds the colour of cell i (element z = i + 1).
enum class Rule {
    SavedDefaults, // the colour the cell had when the window was built: the grid's default
    ByNumber,      // a colour function of z
    Gradient,      // from white at hydrogen, darkening with the atomic number
    Lattice,       // the lattice legend's swatch of the element's crystal lattice
    MassText,      // derived from the digits of the element's mass
};

struct View {
    std::string_view name; // the entry text, matched exactly
    Rule rule;
    std::string (*colourOf)(std::int16_t atomicNumber); // for Rule::ByNumber, otherwise null
    std::optional<int> legend;                          // the panel pctLeg(n) shown, or none
    bool offered;                                       // whether the view list offers it
};

// Every view the window recognises: the offered ones, then the ones the view list does not offer.
std::span<const View> allViews();
// The names of the offered views in the order the view list shows them: alphabetical, without
// regard to case or accents.
std::vector<std::string_view> offeredNames();
// The view with exactly this name, or null.
const View* findView(std::string_view name);

// The colour the view gives each cell; nullopt where the colour text is no valid colour or a
// value cannot be read, so that the cell keeps the colour it has. The lattice view reads the
// current colours of the lattice legend's swatches through swatch.
using CellColours = std::array<std::optional<std::uint32_t>, TPDEQ::kElementCount>;
CellColours cellColours(const View& view, const TPDEQ::SwatchReader& swatch);

} // namespace views
