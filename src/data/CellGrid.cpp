// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CellGrid.h"

#include "data/ElementTable.h"
#include "data/NumberRuns.h"

#include <array>

namespace grid {
namespace {

constexpr int kGridLeft = 390;
constexpr int kGridTop = 570;
constexpr int kColumnStep = 450;
constexpr int kRowStep = 420;

// clang-format off
constexpr std::array<std::string_view, TPDEQ::kElementCount> kSymbols = {
    "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si", "P",  "S",  "Cl", "Ar",
    "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr",
    "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe",
    "Cs", "Ba", "La", "Ce", "Pr", "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu",
    "Hf", "Ta", "W",  "Re", "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn",
    "Fr", "Ra", "Ac", "Th", "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr",
    "Rf", "Db", "Sg", "Bh", "Hs", "Mt", "Ds", "Rg", "Uub", "Uut", "Uuq", "Uup", "Uuh", "Uus", "Uuo"};

constexpr runs::Group<std::uint32_t> kDefaultColourGroups[] = {
    {0xE0E0E0, "1"},
    {0xDA8536, "3, 11, 19, 37, 55, 87"},
    {0xE8A44F, "4, 12, 20, 38, 56, 88"},
    {0xFFBB66, "21-30, 39-48, 72-80, 104-112"},
    {0xEE9944, "13, 31, 49, 50, 81, 82, 83, 114, 115, 116"},
    {0xEF9A45, "113"},
    {0x00CCFF, "5, 14, 32, 33, 51, 52, 84"},
    {0x8594EB, "6, 7, 15"},
    {0x99A8FF, "8, 16, 34"},
    {0xC4C2FF, "9, 17, 35, 53, 85, 117"},
    {0x00D189, "2, 10, 18, 36, 54, 86, 118"},
    {0x50EEFF, "57-71"},
    {0x5E8BAD, "89-103"},
};

constexpr runs::Group<std::uint32_t> kTextColourGroups[] = {
    {0x000080, "1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86"},
    {0xC00000, "35, 80, 112"},
    {0x404040, "113, 115, 117"},
    {0x000000, "16, 29, 34, 109, 118"},
};
// clang-format on
constexpr runs::Table kDefaultColours(kDefaultColourGroups);
constexpr runs::Table kTextColours(kTextColourGroups);
static_assert(kDefaultColours.wellFormed() && kTextColours.wellFormed());

// First atomic number of each period 1 to 7, and one past the last.
constexpr std::array<int, 8> kPeriodStart = {1, 3, 11, 19, 37, 55, 87, 119};

} // namespace

int columnLeft(int column) {
    return kGridLeft + kColumnStep * (column - 1);
}

CellPlace cellPlace(int z) {
    int column = 0;
    int top = 0;
    if (z >= 57 && z <= 71) {
        column = 3 + (z - 57);
        top = kLanthanideTop;
    } else if (z >= 89 && z <= 103) {
        column = 3 + (z - 89);
        top = kActinideTop;
    } else {
        int period = 1;
        while (period < 7 && z >= kPeriodStart[period])
            ++period;
        top = kGridTop + kRowStep * (period - 1);
        const int offset = z - kPeriodStart[period - 1];
        const int periodLength = kPeriodStart[period] - kPeriodStart[period - 1];
        // Groups 1 and 2 fill from the left; the rest of the period is right-aligned against group 18.
        column = offset < 2 && z != 2 ? offset + 1 : kColumnCount - (periodLength - 1 - offset);
    }
    return {column, columnLeft(column), top};
}

int cellRow(int z) {
    const int top = cellPlace(z).top;
    if (top == kLanthanideTop)
        return kRowCount - 2;
    if (top == kActinideTop)
        return kRowCount - 1;
    return (top - kGridTop) / kRowStep;
}

int topmostCellTop(int column) {
    int topmost = 0;
    for (int z = 1; z <= TPDEQ::kElementCount; ++z) {
        const CellPlace place = cellPlace(z);
        if (place.column == column && place.top < kLanthanideTop && (topmost == 0 || place.top < topmost))
            topmost = place.top;
    }
    return topmost;
}

std::string_view cellSymbol(int z) {
    return z >= 1 && z <= TPDEQ::kElementCount ? kSymbols[z - 1] : std::string_view();
}

std::uint32_t defaultCellColour(int z) {
    return kDefaultColours.lookup(z).value_or(0xFFFFFF);
}

std::optional<std::uint32_t> cellTextColour(int z) {
    return kTextColours.lookup(z);
}

} // namespace grid
