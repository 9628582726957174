// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the main window's fixed colours (0x00BBGGRR, red in the low byte).
#pragma once

#include <cstdint>

namespace colour {

inline constexpr std::uint32_t kWindowBack = 0xA09887;  // the window and its content panel
inline constexpr std::uint32_t kTableBack = 0x3B3322;   // table area, legend panels, element card
inline constexpr std::uint32_t kDetailBack = 0x6B6352;  // detail panel and group headings
inline constexpr std::uint32_t kCaptionBack = 0xC5C6BB; // detail captions; also the period numbers' text
inline constexpr std::uint32_t kValueGreen = 0x2FFFAD;  // values in the boxes, the lists and the card
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;

} // namespace colour
