// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Legends.h"

#include <array>

namespace legends {
namespace {

// clang-format off
constexpr Row kRows[] = {
    // panel row swatch colour    caption                      caption height
    {0,  0,  0, 0xDA8536, "Metais Alcalinos"},
    {0,  1,  1, 0xE8A44F, "Alcalinos -Terrosos"},
    {0,  2,  2, 0xFFBB66, "Metais de Transição"},
    {0,  3,  3, 0xEE9944, "Outros Metais"},
    {0,  4,  4, 0x00CCFF, "Semimetais (Metalóides)"},
    {0,  5,  5, 0x8594EB, "Não - Metais (Ametais)"},
    {0,  6,  6, 0x99A8FF, "Ametais Calcogênios"},
    {0,  7,  7, 0xC4C2FF, "Ametais Halogênios"},
    {0,  8,  8, 0x00D189, "Gases Nobres"},
    {0,  9,  9, 0x50EEFF, "Série dos Lantanídios"},
    {0, 10, 10, 0x5E8BAD, "Série dos Actinídios",        285},
    {0, 11, 11, 0xE0E0E0, "Sem Classificação",           285},
    {1,  0, 12, 0x99A8FF, "Essencial"},
    {1,  1, 13, 0xFF8080, "Traços Essenciais"},
    {1,  2, 14, 0x00D189, "Tóxico"},
    {1,  3, 15, 0xFFFF00, "Radioativo"},
    {1,  4, 16, 0xD1C9B8, "Baixo Impacto"},
    {2,  0, 17, 0x00D189, "Gasoso"},
    {2,  1, 18, 0xEAA76A, "Líquido"},
    {2,  2, 19, 0x8A68FF, "Sólido"},
    {2,  3, 51, 0xD1C9B8, "Sem dados"},
    {3,  0, 20, 0xEAA76A, "Antes do século 18"},
    {3,  1, 21, 0x00D189, "Século 18"},
    {3,  2, 22, 0x50EEFF, "Século 19"},
    {3,  3, 23, 0x5E8BAD, "Século 20"},
    {3,  4, 52, 0x8594EB, "Século 21"},
    {3,  5, 53, 0xD1C9B8, "Sem dados"},
    {4,  0, 24, 0x00D189, "Supercondutores"},
    {4,  1, 25, 0xEAA76A, "Supercondutores sob pressão", 435},
    {5,  0, 29, 0x00D189, "Bloco S"},
    {5,  1, 28, 0x50EEFF, "Bloco P"},
    {5,  2, 27, 0xE8A44F, "Bloco D"},
    {5,  3, 26, 0x8594EB, "Bloco F"},
    {6,  0, 30, 0x99A8FF, "Cúbica"},
    {6,  1, 31, 0x50EEFF, "Cúb. de Corpo Centrado"},
    {6,  2, 32, 0xE8A44F, "Cúb. de Face Centrada"},
    {6,  3, 33, 0xFF8080, "Diamante"},
    {6,  4, 34, 0xFF5CFF, "Hexagonal",                   285},
    {6,  5, 35, 0x00D189, "Hexagonal Composta"},
    {6,  6, 36, 0xA57C58, "Monocíclica"},
    {6,  7, 37, 0xE0E0E0, "Ortorrômbica"},
    {6,  8, 38, 0x3EC1C1, "Romboédrica"},
    {6,  9, 39, 0x5E8BAD, "Tetragonal",                  285},
    {6, 10, 40, 0x54668D, "Tricíclica"},
    {6, 11, 41, 0x00CCFF, "Trigonal"},
    {7,  0, 44, 0x00CCFF, "0 à  0,65 Å",                 285},
    {7,  1, 45, 0x50EEFF, "0,66 à 1 Å"},
    {7,  2, 46, 0x00D189, "1 à 1,32 Å"},
    {7,  3, 47, 0xFFBB66, "1,33 à 1,65 Å"},
    {7,  4, 48, 0xEE9944, "1,66 à 1,99 Å"},
    {7,  5, 42, 0xC4C2FF, "2 à 2,22 Å"},
    {7,  6, 49, 0x5E8BAD, "2,23 à 2,65 Å"},
    {7,  7, 50, 0x99A8FF, "Maior que 2,65 Å"},
    {7,  8, 43, 0xD1C9B8, "Sem dados",                   285},
    {8,  0, 59, 0xEAA76A, "0 à 32 W/m/K"},
    {8,  1, 58, 0x00D189, "33 à 65 W/m/K"},
    {8,  2, 57, 0x50EEFF, "66 à 99 W/m/K"},
    {8,  3, 56, 0x8A68FF, "100 à 132 W/m/K"},
    {8,  4, 54, 0x00CCFF, "133 à 165 W/m/K"},
    {8,  5, 55, 0x99A8FF, "166 à 199 W/m/K"},
    {8,  6, 60, 0xC4C2FF, "200 à 232 W/m/K"},
    {8,  7, 61, 0x5E8BAD, "Maior que 232 W/m/K"},
    {8,  8, 62, 0xD1C9B8, "Sem dados"},
};

constexpr std::array<std::string_view, 18> kFamilyNames = {"1A", "2A", "3B", "4B", "5B", "6B", "7B", "8B", "8B",
                                                           "8B", "1B", "2B", "3A", "4A", "5A", "6A", "7A", "8A"};
// clang-format on
static_assert(std::size(kRows) == kSwatchCount);

} // namespace

std::span<const Row> rows() {
    return kRows;
}

std::optional<std::uint32_t> swatchColour(int swatch) {
    for (const Row& row : kRows)
        if (row.swatch == swatch)
            return row.colour;
    return std::nullopt;
}

std::string_view familyName(int group) {
    return group >= 1 && group <= int(kFamilyNames.size()) ? kFamilyNames[group - 1] : std::string_view();
}

} // namespace legends
