// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ValueDecoders.h"

#include "data/NumberRuns.h"

#include <string_view>

namespace TPDEQ {
namespace {

// clang-format off
constexpr runs::Group<std::string_view> kLatticeGroups[] = {
    {"Hexagonal Composta",       "1, 4, 6, 7, 12, 21, 22, 27, 30, 39, 40, 43, 44, 48, 51, 57-60, 64-69, 71, 72,"
                                 "75, 76, 81, 95-98"},
    {"Cúbica de Face Centrada",  "2, 10, 13, 18, 20, 28, 29, 32, 36, 38, 45, 46, 47, 54, 70, 77, 78, 79, 82, 89,"
                                 "90, 103"},
    {"Cúbica de Corpo Centrado", "3, 11, 19, 23, 24, 26, 37, 41, 42, 55, 56, 63, 73, 74, 88"},
    {"Monocíclica",              "8, 9, 34, 83, 94"},
    {"Romboédrica",              "5, 80"},
    {"Diamante",                 "14"},
    {"Tricíclica",               "15"},
    {"Ortorrômbica",             "16, 17, 31, 35, 53, 92, 93"},
    {"Cúbica",                   "25, 84"},
    {"Trigonal",                 "33, 52, 62"},
    {"Tetragonal",               "49, 50, 91"},
    {"Hexagonal",                "61"},
    {"---",                      "85, 86, 87, 99-102, 104-118"},
};

constexpr runs::Group<std::string_view> kStateGroups[] = {
    {"Gasoso",      "1, 2, 7-10, 17, 18, 36, 54, 86"},
    {"Líquido",     "35, 80"},
    {"Sólido (?)",  "100-111, 113-117"},
    {"Líquido (?)", "112"},
    {"Gasoso (?)",  "118"},
};

// Curium (96) does not occur in nature: like americium and berkelium beside it, it is only made.
constexpr runs::Group<std::string_view> kOriginGroups[] = {
    {"Natural",    "1-60, 62-94"},
    {"Artificial", "61, 95-118"},
};
// clang-format on

constexpr runs::Table kLattices(kLatticeGroups);
constexpr runs::Table kStates(kStateGroups);
constexpr runs::Table kOrigins(kOriginGroups);
static_assert(kLattices.wellFormed() && kStates.wellFormed() && kOrigins.wellFormed());

template <std::size_t N>
std::string decode(const runs::Table<std::string_view, N>& table, std::int16_t atomicNumber,
                   std::string_view fallback) {
    return std::string(table.lookup(atomicNumber).value_or(fallback));
}

} // namespace

std::string LatticeName(std::int16_t atomicNumber) {
    return decode(kLattices, atomicNumber, "");
}

std::string StateName(std::int16_t atomicNumber) {
    return decode(kStates, atomicNumber, "Sólido");
}

std::string OriginName(std::int16_t atomicNumber) {
    return decode(kOrigins, atomicNumber, "");
}

} // namespace TPDEQ
