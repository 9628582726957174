// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ElementTable.h"

#include <string_view>

namespace TPDEQ {
namespace {

// The values are stored exactly as shown, trailing blanks and "---" markers included.
// The atomic volume (field 12) is the molar mass over the density of the solid or, for bromine and
// mercury, the liquid; for the gases it is the volume of the condensed phase. The references of
// every field are listed in docs/element-data.md.
constexpr std::string_view kElementRows[kElementCount][kFieldCount] = {
#include "rows/elements_001_030.inc"
#include "rows/elements_031_060.inc"
#include "rows/elements_061_090.inc"
#include "rows/elements_091_118.inc"
};

} // namespace

std::optional<ElementRecord> GetElementRecord(std::int16_t atomicNumber) {
    if (atomicNumber < 1 || atomicNumber > kElementCount)
        return std::nullopt;
    const auto& row = kElementRows[atomicNumber - 1];
    ElementRecord record;
    for (std::size_t field = 0; field < record.size(); ++field)
        record[field] = std::string(row[field]);
    return record;
}

std::string_view ElementText(std::int16_t atomicNumber, ElementField field) {
    if (atomicNumber < 1 || atomicNumber > kElementCount || std::size_t(field) >= kFieldCount)
        return {};
    return kElementRows[atomicNumber - 1][std::size_t(field)];
}

} // namespace TPDEQ
