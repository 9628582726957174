// SPDX-License-Identifier: GPL-3.0-or-later
#include "Views.h"

#include "CellGrid.h"
#include "ColourText.h"

#include <algorithm>

namespace views {
namespace {

using namespace TPDEQ;

// clang-format off
constexpr View kViews[] = {
    // name                                      rule                  colour function         legend        offered
    {"Propriedades",                           Rule::SavedDefaults,  nullptr,                  0,            true},
    {"Efeito Biológico",                       Rule::ByNumber,       BiologicalEffectColor,    1,            true},
    {"Estado a 25°C",                          Rule::ByNumber,       State25Color,             2,            true},
    {"Estado a 700°C",                         Rule::ByNumber,       State700Color,            2,            true},
    {"Número Atômico",                         Rule::Gradient,       nullptr,                  std::nullopt, true},
    {"Data da Descoberta",                     Rule::ByNumber,       DiscoveryCenturyColor,    3,            true},
    {"Supercondutores em Baixas Temperaturas", Rule::ByNumber,       SuperconductorColor,      4,            true},
    {"Blocos s, p, d, f",                      Rule::ByNumber,       BlockColor,               5,            true},
    {"Rede Cristalográfica",                   Rule::Lattice,        nullptr,                  6,            true},
    {"Raio Atômico",                           Rule::ByNumber,       AtomicRadiusColor,        7,            true},
    {"Metais Alcalinos",                       Rule::ByNumber,       AlkaliMetalColor,         0,            true},
    {"Metais Alcalinos-Terrosos",              Rule::ByNumber,       AlkalineEarthColor,       0,            true},
    {"Calcogênios",                            Rule::ByNumber,       ChalcogenColor,           std::nullopt, true},
    {"Halogênios",                             Rule::ByNumber,       HalogenColor,             0,            true},
    {"Semi-Metais (Metalóides)",               Rule::ByNumber,       MetalloidColor,           0,            true},
    {"Não-Metais (Ametais)",                   Rule::ByNumber,       NonMetalColor,            0,            true},
    {"Gases Nobres",                           Rule::ByNumber,       NobleGasColor,            0,            true},
    {"Lantanídeos",                            Rule::ByNumber,       LanthanideColor,          0,            true},
    {"Actinídios",                             Rule::ByNumber,       ActinideColor,            0,            true},
    {"Condutividade Térmica a 300K",           Rule::ByNumber,       ThermalConductivityColor, 8,            true},
    {"Metais Maleáveis",                       Rule::ByNumber,       MalleableMetalColor,      0,            true},
    {"Metais Duros ou Dúcteis",                Rule::ByNumber,       HardDuctileMetalColor,    0,            true},
    {"Terras Raras",                           Rule::ByNumber,       RareEarthColor,           std::nullopt, true},
    {"Aluminóides",                            Rule::ByNumber,       AluminiumFamilyColor,     std::nullopt, true},
    {"Carbonóides",                            Rule::ByNumber,       CarbonFamilyColor,        std::nullopt, true},
    {"Nitrogenóides - Pnictogênios",           Rule::ByNumber,       NitrogenFamilyColor,      std::nullopt, true},
    {"Metais para Moeda",                      Rule::ByNumber,       CoinageMetalColor,        std::nullopt, false},
    {"Metais Preciosos",                       Rule::ByNumber,       PreciousMetalColor,       std::nullopt, false},
    {"Massa Atômica",                          Rule::MassText,       nullptr,                  std::nullopt, false},
};
// clang-format on

// Cell i darkens from white: red 255 - 2i, green and blue 255 - i.
std::uint32_t gradientColour(int i) {
    return colour::fromRgb(255 - 2 * i, 255 - i, 255 - i);
}

// "&HBFF" and the integer part of the number the mass text starts with; a mass in brackets or
// parentheses gives the three characters after the bracket. No number gives 0.
std::string massColourText(std::int16_t atomicNumber) {
    const auto record = GetElementRecord(atomicNumber);
    std::string_view mass = record ? std::string_view((*record)[atomicMass]) : std::string_view();
    if (!mass.empty() && (mass.front() == '(' || mass.front() == '['))
        mass = mass.substr(1, 3);
    long integerPart = 0;
    for (std::size_t at = 0; at < mass.size() && mass[at] >= '0' && mass[at] <= '9' && integerPart < 1000000; ++at)
        integerPart = integerPart * 10 + (mass[at] - '0');
    return "&HBFF" + std::to_string(integerPart);
}

std::optional<std::uint32_t> cellColour(const View& view, int i, const TPDEQ::SwatchReader& swatch) {
    const auto z = std::int16_t(i + 1);
    std::optional<std::string> text;
    switch (view.rule) {
    case Rule::SavedDefaults:
        return grid::defaultCellColour(z);
    case Rule::Gradient:
        return gradientColour(i);
    case Rule::ByNumber:
        text = view.colourOf(z);
        break;
    case Rule::Lattice:
        text = LatticeColor(std::int16_t(i), swatch);
        break;
    case Rule::MassText:
        text = massColourText(z);
        break;
    }
    return text ? colour::parseText(*text) : std::nullopt;
}

// A name as the view list orders it: letters without case or accents ("Éter" between "Estado"
// and "Ferro"); other characters by their code.
std::string listKey(std::string_view name) {
    // The base letter of each of U+00C0 ... U+00DF and, 32 code points on, of its lower-case pair.
    constexpr std::string_view kLatin1Base = "aaaaaaaceeeeiiiidnooooo\xd7ouuuuyts";
    std::string key;
    for (std::size_t at = 0; at < name.size(); ++at) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if (byte == 0xC3 && at + 1 < name.size()) // a two-byte letter from U+00C0 to U+00FF
            key += kLatin1Base[static_cast<unsigned char>(name[++at]) & 0x1F];
        else
            key += char(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
    }
    return key;
}

} // namespace

std::span<const View> allViews() {
    return kViews;
}

std::vector<std::string_view> offeredNames() {
    std::vector<std::string_view> names;
    for (const View& view : kViews)
        if (view.offered)
            names.push_back(view.name);
    std::stable_sort(names.begin(), names.end(),
                     [](std::string_view a, std::string_view b) { return listKey(a) < listKey(b); });
    return names;
}

const View* findView(std::string_view name) {
    for (const View& view : kViews)
        if (view.name == name)
            return &view;
    return nullptr;
}

CellColours cellColours(const View& view, const TPDEQ::SwatchReader& swatch) {
    CellColours colours;
    for (int i = 0; i < kElementCount; ++i)
        colours[i] = cellColour(view, i, swatch);
    return colours;
}

} // namespace views
