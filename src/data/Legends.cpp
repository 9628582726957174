// SPDX-License-Identifier: GPL-3.0-or-later
#include "Legends.h"

#include <array>

namespace legends {
namespace {

// clang-format off
constexpr std::array<std::string_view, 18> kFamilyNames = {"1A", "2A", "3B", "4B", "5B", "6B", "7B", "8B", "8B",
                                                           "8B", "1B", "2B", "3A", "4A", "5A", "6A", "7A", "8A"};
// clang-format on

} // namespace

std::string_view familyName(int group) {
    return group >= 1 && group <= int(kFamilyNames.size()) ? kFamilyNames[group - 1] : std::string_view();
}

} // namespace legends
