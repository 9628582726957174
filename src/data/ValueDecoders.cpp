// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueDecoders.h"

#include <span>
#include <string_view>

namespace TPDEQ {
namespace {

// A run of consecutive atomic numbers, first to last inclusive.
struct Run {
    std::int16_t first;
    std::int16_t last;
};

// One result of a decoder and the atomic numbers that give it.
struct Group {
    std::string_view result;
    std::span<const Run> members;
};

// clang-format off
constexpr Run kHexagonalClosePacked[] = {{1, 1}, {4, 4}, {6, 7}, {12, 12}, {21, 22}, {27, 27}, {30, 30}, {39, 40},
                                         {43, 44}, {48, 48}, {51, 51}, {57, 60}, {64, 69}, {71, 72}, {75, 76},
                                         {81, 81}, {95, 98}};
constexpr Run kFaceCentredCubic[] = {{2, 2}, {10, 10}, {13, 13}, {18, 18}, {20, 20}, {28, 29}, {32, 32}, {36, 36},
                                     {38, 38}, {45, 47}, {54, 54}, {70, 70}, {77, 79}, {82, 82}, {89, 90},
                                     {103, 103}};
constexpr Run kBodyCentredCubic[] = {{3, 3}, {11, 11}, {19, 19}, {23, 24}, {26, 26}, {37, 37}, {41, 42}, {55, 56},
                                     {63, 63}, {73, 74}, {88, 88}};
constexpr Run kMonoclinic[]       = {{8, 9}, {34, 34}, {83, 83}, {94, 94}};
constexpr Run kRhombohedral[]     = {{5, 5}, {80, 80}};
constexpr Run kDiamond[]          = {{14, 14}};
constexpr Run kTriclinic[]        = {{15, 15}};
constexpr Run kOrthorhombic[]     = {{16, 17}, {31, 31}, {35, 35}, {53, 53}, {92, 93}};
constexpr Run kCubic[]            = {{25, 25}, {84, 84}};
constexpr Run kTrigonal[]         = {{33, 33}, {52, 52}, {62, 62}};
constexpr Run kTetragonal[]       = {{49, 50}, {91, 91}};
constexpr Run kHexagonal[]        = {{61, 61}};
constexpr Run kLatticeUnknown[]   = {{85, 87}, {99, 102}, {104, 118}};

constexpr Group kLatticeGroups[] = {
    {"Hexagonal Composta",       kHexagonalClosePacked},
    {"Cúbica de Face Centrada",  kFaceCentredCubic},
    {"Cúbica de Corpo Centrado", kBodyCentredCubic},
    {"Monocíclica",              kMonoclinic},
    {"Romboédrica",              kRhombohedral},
    {"Diamante",                 kDiamond},
    {"Tricíclica",               kTriclinic},
    {"Ortorrômbica",             kOrthorhombic},
    {"Cúbica",                   kCubic},
    {"Trigonal",                 kTrigonal},
    {"Tetragonal",               kTetragonal},
    {"Hexagonal",                kHexagonal},
    {"---",                      kLatticeUnknown},
};

constexpr Run kGas[]           = {{1, 2}, {7, 10}, {17, 18}, {36, 36}, {54, 54}, {86, 86}};
constexpr Run kLiquid[]        = {{35, 35}, {80, 80}};
constexpr Run kSolidUnsure[]   = {{100, 111}, {113, 117}};
constexpr Run kLiquidUnsure[]  = {{112, 112}};
constexpr Run kGasUnsure[]     = {{118, 118}};

constexpr Group kStateGroups[] = {
    {"Gasoso",      kGas},
    {"Líquido",     kLiquid},
    {"Sólido (?)",  kSolidUnsure},
    {"Líquido (?)", kLiquidUnsure},
    {"Gasoso (?)",  kGasUnsure},
};

constexpr Run kNatural[]    = {{1, 60}, {62, 94}, {96, 96}};
constexpr Run kArtificial[] = {{61, 61}, {95, 95}, {97, 118}};

constexpr Group kOriginGroups[] = {
    {"Natural",    kNatural},
    {"Artificial", kArtificial},
};
// clang-format on

// The result of the first group that holds the number, or the fall-back.
std::string decode(std::span<const Group> groups, std::int16_t atomicNumber, std::string_view fallback) {
    for (const Group& group : groups)
        for (const Run& run : group.members)
            if (atomicNumber >= run.first && atomicNumber <= run.last)
                return std::string(group.result);
    return std::string(fallback);
}

} // namespace

std::string LatticeName(std::int16_t atomicNumber) {
    return decode(kLatticeGroups, atomicNumber, "");
}

std::string StateName(std::int16_t atomicNumber) {
    return decode(kStateGroups, atomicNumber, "Sólido");
}

std::string OriginName(std::int16_t atomicNumber) {
    return decode(kOriginGroups, atomicNumber, "");
}

} // namespace TPDEQ
