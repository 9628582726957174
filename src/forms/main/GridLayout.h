// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the periodic grid: where each element cell sits and how it looks by default.
#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>

namespace grid {

inline constexpr int kCellCount = 118;
inline constexpr int kCellWidth = 435; // twips
inline constexpr int kCellHeight = 405;

inline constexpr int kLanthanideTop = 3660; // the lanthanide row; the actinides lie one row below
inline constexpr int kActinideTop = 4080;

// Left in twips of the cells of a column (group 1 to 18).
int columnLeft(int column);

// Column (group 1 to 18) and Top in twips of the cell of atomic number z (1 to 118).
struct CellPlace {
    int column;
    int top;
};
CellPlace cellPlace(int z);
// Left and Top in twips of the cell of atomic number z.
QPoint cellTopLeft(int z);

// The symbol captions of the cells, "H" ... "Uuo".
QString cellSymbol(int z);

// Default background colour (0x00BBGGRR) of the cell of atomic number z.
std::uint32_t defaultCellColor(int z);
// Text colour of the cell (0x00BBGGRR), or nullopt for the system's window-text colour.
std::optional<std::uint32_t> cellTextColor(int z);

} // namespace grid
