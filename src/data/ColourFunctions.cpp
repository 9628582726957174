// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ColourFunctions.h"

#include "data/ColourText.h"
#include "data/NumberRuns.h"
#include "data/ValueDecoders.h"

#include <span>
#include <string_view>

namespace TPDEQ {
namespace {

using colour::TextForm;
constexpr TextForm kDecimal = TextForm::Decimal;
constexpr TextForm kLiteral = TextForm::Literal;

// The classes of one colour function: the colour of each class, the colour of every other
// element, and the text form the colours are returned in.
template <std::size_t N> struct Classes {
    runs::Table<std::uint32_t, N> table;
    std::uint32_t everyOther;
    TextForm form;
};
template <std::size_t N> Classes(runs::Table<std::uint32_t, N>, std::uint32_t, TextForm) -> Classes<N>;

// A family: its members in one colour, every other element grey.
constexpr Classes<1> family(std::string_view members, std::uint32_t colour, TextForm form) {
    const runs::Group<std::uint32_t> groups[] = {{colour, members}};
    return {runs::Table(groups), kNeutralGrey, form};
}

// clang-format off
constexpr Classes<1> kAlkaliMetals   = family("3, 11, 19, 37, 55, 87",              0xDA8536, kDecimal);
constexpr Classes<1> kAlkalineEarths = family("4, 12, 20, 38, 56, 88",              0xE8A44F, kDecimal);
constexpr Classes<1> kChalcogens     = family("8, 16, 34, 52, 84, 116",             0x99A8FF, kDecimal);
constexpr Classes<1> kHalogens       = family("9, 17, 35, 53, 85, 117",             0xC4C2FF, kDecimal);
constexpr Classes<1> kMetalloids     = family("5, 14, 32, 33, 51, 52, 84, 117",     0x00CCFF, kDecimal);
constexpr Classes<1> kNobleGases     = family("2, 10, 18, 36, 54, 86, 118",         0x00D189, kDecimal);
constexpr Classes<1> kLanthanides    = family("57-71",                              0x50EEFF, kDecimal);
constexpr Classes<1> kActinides      = family("89-103",                             0x5E8BAD, kDecimal);
constexpr Classes<1> kNonMetals      = family("6-9, 15-17, 34, 35, 53, 85, 117",    0x8594EB, kLiteral);
constexpr Classes<1> kNitrogenFamily = family("7, 15, 33, 51, 83, 115",             0x8594EB, kLiteral);
constexpr Classes<1> kCarbonFamily   = family("6, 14, 32, 50, 82, 114",             0x8594EB, kLiteral);
constexpr Classes<1> kBoronFamily    = family("5, 13, 31, 49, 81, 113",             0xE8A44F, kLiteral);
constexpr Classes<1> kPreciousMetals = family("44-46, 76-78",                       0x50EEFF, kLiteral);
constexpr Classes<1> kCoinageMetals  = family("29, 47, 79",                         0x50EEFF, kLiteral);
constexpr Classes<1> kRareEarths     = family("57-71, 89-103",                      0x5E8BAD, kLiteral);
constexpr Classes<1> kMalleable      = family("21-25, 39-43, 72-75, 104-107",       0xFFBB66, kLiteral);
constexpr Classes<1> kHardDuctile    = family("26-29, 44-47, 76-79, 108-111",       0xFFBB66, kLiteral);

// Classes of the property views, each with its legend caption.
constexpr runs::Group<std::uint32_t> kBiologicalEffectGroups[] = {
    {0x99A8FF, "1, 6-8, 11, 12, 15-17, 19, 20"},       // Essencial
    {0xFF8080, "5, 9, 14, 23, 25-30, 34, 42, 50, 53"}, // Traços Essenciais
    {0x00D189, "4, 33, 48, 51, 80-83"},                // Tóxico
    {0xFFFF00, "3, 43, 61, 84-118"},                   // Radioativo
};
constexpr Classes kBiologicalEffect{runs::Table(kBiologicalEffectGroups), kNeutralGrey, kDecimal}; // Baixo Impacto

constexpr runs::Group<std::uint32_t> kState25Groups[] = {
    {0x00D189, "1, 2, 7-10, 17, 18, 36, 54, 86, 118"}, // Gasoso
    {0xEAA76A, "35, 80, 112"},                         // Líquido
};
constexpr Classes kState25{runs::Table(kState25Groups), 0x8A68FF, kDecimal}; // Sólido

constexpr runs::Group<std::uint32_t> kState700Groups[] = {
    {0x00D189, "1, 2, 7-10, 15-18, 33-37, 53-55, 80, 85-87, 118"}, // Gasoso
    {0xEAA76A, "3, 11-13, 19, 30, 31, 48-52, 81-84"},              // Líquido
    {0xD1C9B8, "112"},                                             // Sem dados
};
constexpr Classes kState700{runs::Table(kState700Groups), 0x8A68FF, kDecimal}; // Sólido

constexpr runs::Group<std::uint32_t> kDiscoveryCenturyGroups[] = {
    {0xD1C9B8, "115-118"},                                                     // Sem dados
    {0x00D189, "1, 7, 8, 15, 17, 22, 24, 25, 27, 28, 42, 51, 52, 74, 83"},      // Século 18
    {0xEAA76A, "6, 16, 26, 29, 30, 33, 47, 50, 78-80, 82"},                     // Antes do século 18
    {0x5E8BAD, "43, 60, 61, 67, 70-72, 75, 85-87, 91, 93-109, 111, 112, 114"}, // Século 20
    {0x8594EB, "110, 113"},                                                    // Século 21
};
constexpr Classes kDiscoveryCentury{runs::Table(kDiscoveryCenturyGroups), 0x50EEFF, kDecimal}; // Século 19

constexpr runs::Group<std::uint32_t> kSuperconductorGroups[] = {
    {0xEAA76A, "3, 5, 8, 14-16, 20, 21, 26, 32-35, 38, 39, 51-53, 55, 56, 58, 71, 83"}, // sob pressão
    {0x00D189, "4, 13, 22, 23, 30, 31, 40-45, 48-50, 57, 72-77, 80-82, 90-92, 95"},     // Supercondutores
};
constexpr Classes kSuperconductors{runs::Table(kSuperconductorGroups), kNeutralGrey, kDecimal};

constexpr runs::Group<std::uint32_t> kBlockGroups[] = {
    {0x00D189, "1-4, 11, 12, 19, 20, 37, 38, 55, 56, 87, 88"}, // Bloco S
    {0x50EEFF, "5-10, 13-18, 31-36, 49-54, 81-86, 113-118"},   // Bloco P
    {0x8594EB, "57-71, 89-103"},                               // Bloco F
};
constexpr Classes kBlocks{runs::Table(kBlockGroups), 0xE8A44F, kDecimal}; // Bloco D

constexpr runs::Group<std::uint32_t> kAtomicRadiusGroups[] = {
    {0xC4C2FF, "1, 38, 56"},                                       // 2 à 2,22 Å
    {0xD1C9B8, "2, 61, 96-118"},                                   // Sem dados
    {0x00D189, "4, 14-16, 24, 26-29, 35, 36, 53, 54"},             // 1 à 1,32 Å
    {0x50EEFF, "5-7, 17, 18"},                                     // 0,66 à 1 Å
    {0x00CCFF, "8-10"},                                            // 0 à 0,65 Å
    {0xEE9944, "11, 20, 39, 48, 49, 58-60, 62-72, 81-84, 89, 95"}, // 1,66 à 1,99 Å
    {0x5E8BAD, "19, 37, 88"},                                      // 2,23 à 2,65 Å
    {0x99A8FF, "55, 87"},                                          // Maior que 2,65 Å
};
constexpr Classes kAtomicRadius{runs::Table(kAtomicRadiusGroups), 0xFFBB66, kDecimal}; // 1,33 à 1,65 Å

// Every element has a class here; all are written as literals but one.
constexpr std::uint32_t kThermal100To132 = 0x8A68FF;
constexpr runs::Group<std::uint32_t> kThermalConductivityGroups[] = {
    {0xD1C9B8, "104-118"},                                                                          // Sem dados
    {0xEAA76A, "1, 2, 5, 7-10, 15-18, 21-23, 25, 34-36, 39, 40, 51-54, 56-69, 71, 72, 80, 83-89, 92-103"}, // 0-32
    {0x50EEFF, "3, 24, 26, 28, 46, 48-50, 76, 78"},                                                 // 66-99
    {0xC4C2FF, "4, 20"},                                                                            // 200-232
    {0x00CCFF, "6, 11, 12, 14, 42, 45, 77"},                                                        // 133-165
    {0x5E8BAD, "13, 29, 47, 79"},                                                                   // > 232
    {kThermal100To132, "19, 27, 30, 44"},                                                           // 100-132
    {0x00D189, "31-33, 37, 38, 41, 43, 55, 70, 73, 75, 81, 82, 90, 91"},                            // 33-65
    {0x99A8FF, "74"},                                                                               // 166-199
};
constexpr runs::Table kThermalConductivity(kThermalConductivityGroups);

// The lattice names of the lattice legend and the swatch that carries each one's colour.
struct LatticeSwatch {
    std::string_view lattice;
    int swatch;
};
constexpr LatticeSwatch kLattices[] = {
    {"Cúbica", 30},      {"Cúbica de Corpo Centrado", 31}, {"Cúbica de Face Centrada", 32},
    {"Diamante", 33},    {"Hexagonal", 34},                {"Hexagonal Composta", 35},
    {"Monocíclica", 36}, {"Ortorrômbica", 37},             {"Romboédrica", 38},
    {"Tetragonal", 39},  {"Tricíclica", 40},               {"Trigonal", 41},
};
// clang-format on

template <typename... AllClasses> constexpr bool wellFormed(const AllClasses&... all) {
    return (all.table.wellFormed() && ...);
}
static_assert(wellFormed(kAlkaliMetals, kAlkalineEarths, kChalcogens, kHalogens, kMetalloids, kNobleGases,
                         kLanthanides, kActinides, kNonMetals, kNitrogenFamily, kCarbonFamily, kBoronFamily,
                         kPreciousMetals, kCoinageMetals, kRareEarths, kMalleable, kHardDuctile, kBiologicalEffect,
                         kState25, kState700, kDiscoveryCentury, kSuperconductors, kBlocks, kAtomicRadius));
static_assert(kThermalConductivity.wellFormed());

template <std::size_t N> std::string colourOf(const Classes<N>& classes, std::int16_t atomicNumber) {
    return colour::toText(classes.table.lookup(atomicNumber).value_or(classes.everyOther), classes.form);
}

} // namespace

// clang-format off
std::string AlkaliMetalColor(std::int16_t z) { return colourOf(kAlkaliMetals, z); }
std::string AlkalineEarthColor(std::int16_t z) { return colourOf(kAlkalineEarths, z); }
std::string ChalcogenColor(std::int16_t z) { return colourOf(kChalcogens, z); }
std::string HalogenColor(std::int16_t z) { return colourOf(kHalogens, z); }
std::string MetalloidColor(std::int16_t z) { return colourOf(kMetalloids, z); }
std::string NobleGasColor(std::int16_t z) { return colourOf(kNobleGases, z); }
std::string LanthanideColor(std::int16_t z) { return colourOf(kLanthanides, z); }
std::string ActinideColor(std::int16_t z) { return colourOf(kActinides, z); }
std::string NonMetalColor(std::int16_t z) { return colourOf(kNonMetals, z); }
std::string NitrogenFamilyColor(std::int16_t z) { return colourOf(kNitrogenFamily, z); }
std::string CarbonFamilyColor(std::int16_t z) { return colourOf(kCarbonFamily, z); }
std::string AluminiumFamilyColor(std::int16_t z) { return colourOf(kBoronFamily, z); }
std::string PreciousMetalColor(std::int16_t z) { return colourOf(kPreciousMetals, z); }
std::string CoinageMetalColor(std::int16_t z) { return colourOf(kCoinageMetals, z); }
std::string RareEarthColor(std::int16_t z) { return colourOf(kRareEarths, z); }
std::string MalleableMetalColor(std::int16_t z) { return colourOf(kMalleable, z); }
std::string HardDuctileMetalColor(std::int16_t z) { return colourOf(kHardDuctile, z); }

std::string BiologicalEffectColor(std::int16_t z) { return colourOf(kBiologicalEffect, z); }
std::string State25Color(std::int16_t z) { return colourOf(kState25, z); }
std::string State700Color(std::int16_t z) { return colourOf(kState700, z); }
std::string DiscoveryCenturyColor(std::int16_t z) { return colourOf(kDiscoveryCentury, z); }
std::string SuperconductorColor(std::int16_t z) { return colourOf(kSuperconductors, z); }
std::string BlockColor(std::int16_t z) { return colourOf(kBlocks, z); }
std::string AtomicRadiusColor(std::int16_t z) { return colourOf(kAtomicRadius, z); }
// clang-format on

std::string ThermalConductivityColor(std::int16_t z) {
    const auto colour = kThermalConductivity.lookup(z);
    if (!colour)
        return {};
    return colour::toText(*colour, *colour == kThermal100To132 ? kDecimal : kLiteral);
}

std::optional<std::string> LatticeColor(std::int16_t cellIndex, const SwatchReader& swatchColour) {
    const std::string lattice = LatticeName(std::int16_t(cellIndex + 1));
    for (const LatticeSwatch& entry : kLattices) {
        if (entry.lattice != lattice)
            continue;
        const auto colour = swatchColour ? swatchColour(entry.swatch) : std::nullopt;
        if (!colour)
            return std::nullopt;
        return colour::toText(*colour, kDecimal);
    }
    return colour::toText(kNeutralGrey, kDecimal);
}

} // namespace TPDEQ
