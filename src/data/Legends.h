// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - what explains the table's colours and columns: the rows of the nine legend panels
// and the family names of the group headings.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace legends {

inline constexpr int kPanelCount = 9;   // pctLeg(0 ... 8)
inline constexpr int kSwatchCount = 63; // lblLegenda(0 ... 62)
inline constexpr int kCaptionHeight = 255; // twips, unless a row says otherwise

// One row of a legend panel: swatch lblLegenda(swatch) in the row's colour, and its caption.
struct Row {
    int panel;
    int row; // 0 at the top of the panel
    int swatch;
    std::uint32_t colour; // 0x00BBGGRR
    std::string_view caption;
    int captionHeight = kCaptionHeight; // twips; taller for captions of two lines or with descenders
};

// Every row, panel by panel, top to bottom.
std::span<const Row> rows();
// The colour swatch lblLegenda(swatch) is built with; nullopt for no such swatch.
std::optional<std::uint32_t> swatchColour(int swatch);

// The family name of group 1 ... 18 ("1A" ... "8A"), the start caption of its heading; empty otherwise.
std::string_view familyName(int group);

} // namespace legends
