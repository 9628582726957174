// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridLayout.h"

#include <array>
#include <initializer_list>

namespace grid {
namespace {

constexpr int kGridLeft = 390;
constexpr int kGridTop = 570;
constexpr int kColumnStep = 450;
constexpr int kRowStep = 420;

// clang-format off
constexpr std::array<const char*, kCellCount> kSymbols = {
    "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si", "P",  "S",  "Cl", "Ar",
    "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr",
    "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe",
    "Cs", "Ba", "La", "Ce", "Pr", "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu",
    "Hf", "Ta", "W",  "Re", "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn",
    "Fr", "Ra", "Ac", "Th", "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr",
    "Rf", "Db", "Sg", "Bh", "Hs", "Mt", "Ds", "Rg", "Uub", "Uut", "Uuq", "Uup", "Uuh", "Uus", "Uuo"};

// A colour and the runs of atomic numbers (first, last) that carry it.
struct ColourRuns {
    std::uint32_t colour;
    std::initializer_list<std::array<int, 2>> runs;
};

const ColourRuns kDefaultColours[] = {
    {0xE0E0E0, {{1, 1}}},
    {0xDA8536, {{3, 3}, {11, 11}, {19, 19}, {37, 37}, {55, 55}, {87, 87}}},
    {0xE8A44F, {{4, 4}, {12, 12}, {20, 20}, {38, 38}, {56, 56}, {88, 88}}},
    {0xFFBB66, {{21, 30}, {39, 48}, {72, 80}, {104, 112}}},
    {0xEE9944, {{13, 13}, {31, 31}, {49, 50}, {81, 83}, {114, 116}}},
    {0xEF9A45, {{113, 113}}},
    {0x00CCFF, {{5, 5}, {14, 14}, {32, 33}, {51, 52}, {84, 84}}},
    {0x8594EB, {{6, 7}, {15, 15}}},
    {0x99A8FF, {{8, 8}, {16, 16}, {34, 34}}},
    {0xC4C2FF, {{9, 9}, {17, 17}, {35, 35}, {53, 53}, {85, 85}, {117, 117}}},
    {0x00D189, {{2, 2}, {10, 10}, {18, 18}, {36, 36}, {54, 54}, {86, 86}, {118, 118}}},
    {0x50EEFF, {{57, 71}}},
    {0x5E8BAD, {{89, 103}}},
};

const ColourRuns kTextColours[] = {
    {0x000080, {{1, 2}, {7, 10}, {17, 18}, {36, 36}, {54, 54}, {86, 86}}},
    {0xC00000, {{35, 35}, {80, 80}, {112, 112}}},
    {0x404040, {{113, 113}, {115, 115}, {117, 117}}},
    {0x000000, {{16, 16}, {29, 29}, {34, 34}, {109, 109}, {118, 118}}},
};
// clang-format on

const ColourRuns* findRuns(const ColourRuns* begin, const ColourRuns* end, int z) {
    for (const ColourRuns* entry = begin; entry != end; ++entry)
        for (const auto& run : entry->runs)
            if (z >= run[0] && z <= run[1])
                return entry;
    return nullptr;
}

// First atomic number of each period 1 to 7, and one past the last.
constexpr std::array<int, 8> kPeriodStart = {1, 3, 11, 19, 37, 55, 87, 119};

} // namespace

CellPlace cellPlace(int z) {
    if (z >= 57 && z <= 71)
        return {3 + (z - 57), kLanthanideTop};
    if (z >= 89 && z <= 103)
        return {3 + (z - 89), kActinideTop};
    int period = 1;
    while (period < 7 && z >= kPeriodStart[period])
        ++period;
    const int top = kGridTop + kRowStep * (period - 1);
    const int offset = z - kPeriodStart[period - 1];
    const int periodLength = kPeriodStart[period] - kPeriodStart[period - 1];
    if (offset < 2 && !(period == 1 && z == 2))
        return {offset + 1, top};
    // The rest of the period is right-aligned against group 18.
    return {18 - (periodLength - 1 - offset), top};
}

int columnLeft(int column) {
    return kGridLeft + kColumnStep * (column - 1);
}

QPoint cellTopLeft(int z) {
    const CellPlace place = cellPlace(z);
    return {columnLeft(place.column), place.top};
}

QString cellSymbol(int z) {
    return z >= 1 && z <= kCellCount ? QString::fromLatin1(kSymbols[z - 1]) : QString();
}

std::uint32_t defaultCellColor(int z) {
    const ColourRuns* entry = findRuns(std::begin(kDefaultColours), std::end(kDefaultColours), z);
    return entry ? entry->colour : 0xFFFFFF;
}

std::optional<std::uint32_t> cellTextColor(int z) {
    const ColourRuns* entry = findRuns(std::begin(kTextColours), std::end(kTextColours), z);
    return entry ? std::optional(entry->colour) : std::nullopt;
}

} // namespace grid
