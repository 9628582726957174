// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the periodic grid: where each element cell sits and how it looks by default.
// Places are in twips inside the table area; colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace grid {

inline constexpr int kCellWidth = 435; // twips
inline constexpr int kCellHeight = 405;
inline constexpr int kColumnCount = 18;
// The rows of the grid: the seven periods of the main table, then the lanthanides and the actinides.
inline constexpr int kRowCount = 9;

inline constexpr int kLanthanideTop = 3660; // the lanthanide row; the actinides lie one row below
inline constexpr int kActinideTop = 4080;

// Left of the cells of a column (group 1 to 18).
int columnLeft(int column);

// Column (group 1 to 18), Left and Top of the cell of atomic number z (1 to 118).
struct CellPlace {
    int column;
    int left;
    int top;
};
CellPlace cellPlace(int z);

// Row of the cell of atomic number z (1 to 118), counted from 0 at the top: 0 to 6 for the periods
// of the main table, 7 for the lanthanides, 8 for the actinides.
int cellRow(int z);

// Top of the highest cell of a column in the main table (the lanthanide and actinide rows do not count).
int topmostCellTop(int column);

// The symbol caption of a cell, "H" ... "Uuo"; empty outside 1 to 118.
std::string_view cellSymbol(int z);

// Default background colour of the cell of atomic number z.
std::uint32_t defaultCellColour(int z);
// Text colour of the cell, or nullopt for the system's window-text colour.
std::optional<std::uint32_t> cellTextColour(int z);

} // namespace grid
