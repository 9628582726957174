// SPDX-License-Identifier: GPL-3.0-or-later
// The colour functions by the names the tables beside the tests give them.
#pragma once

#include "data/ColourFunctions.h"

#include <QMap>
#include <QString>

using ColourFunction = std::string (*)(std::int16_t);

// clang-format off
#define ORVANE_BY_NAME(function) {QStringLiteral(#function), TPDEQ::function}
inline const QMap<QString, ColourFunction> kColourFunctions = {
    ORVANE_BY_NAME(AlkaliMetalColor), ORVANE_BY_NAME(AlkalineEarthColor), ORVANE_BY_NAME(ChalcogenColor),
    ORVANE_BY_NAME(HalogenColor), ORVANE_BY_NAME(MetalloidColor), ORVANE_BY_NAME(NobleGasColor),
    ORVANE_BY_NAME(LanthanideColor), ORVANE_BY_NAME(ActinideColor), ORVANE_BY_NAME(NonMetalColor),
    ORVANE_BY_NAME(NitrogenFamilyColor), ORVANE_BY_NAME(CarbonFamilyColor), ORVANE_BY_NAME(AluminiumFamilyColor),
    ORVANE_BY_NAME(PreciousMetalColor), ORVANE_BY_NAME(CoinageMetalColor), ORVANE_BY_NAME(RareEarthColor),
    ORVANE_BY_NAME(MalleableMetalColor), ORVANE_BY_NAME(HardDuctileMetalColor), ORVANE_BY_NAME(BiologicalEffectColor),
    ORVANE_BY_NAME(State25Color), ORVANE_BY_NAME(State700Color), ORVANE_BY_NAME(DiscoveryCenturyColor),
    ORVANE_BY_NAME(SuperconductorColor), ORVANE_BY_NAME(BlockColor), ORVANE_BY_NAME(AtomicRadiusColor),
    ORVANE_BY_NAME(ThermalConductivityColor)};
// clang-format on
#undef ORVANE_BY_NAME
