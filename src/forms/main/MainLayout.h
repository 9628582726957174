// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the main window's layout tables: every fixed control with its given place and look.
// Positions are Left, Top, Width, Height in twips, relative to the parent control.
#pragma once

#include "forms/common/LayoutRows.h"

#include <span>

namespace layout {

inline constexpr int kClientWidth = 11355; // twips
inline constexpr int kClientHeight = 8130;

// The fixed controls, parents before children.
std::span<const ControlRow> mainControls();

// One detail field: caption lblNome(n) above box txtValor(n), both inside the detail panel.
struct DetailField {
    int index;
    const char* caption;
    int left, boxTop, width;
    const char* boxTip;
    const char* captionTip;
};
std::span<const DetailField> detailFields(); // n = 1 ... 21

// Where the caption lblNome(n) of a detail field sits: directly above its box, in the box's band.
TwipsRect captionRect(const DetailField& field);

} // namespace layout

namespace layout {

// lblPeriodo(0 ... 8): Left, Top and caption.
struct PeriodLabel {
    int left, top;
    const char* caption;
};
std::span<const PeriodLabel> periodLabels();
inline constexpr int kPeriodLabelWidth = 285;
inline constexpr int kPeriodLabelHeight = 255;

// The group headings lblfamilia(0 ... 37): the small label just above each column's topmost cell
// (0 ... 17), the row across the top of the table (18 ... 35), the wide "8B" over that row (36)
// and the bracket over the small labels of groups 8 to 10 (37).
inline constexpr int kSmallHeadings = 0;
inline constexpr int kHeadingRow = 18;
inline constexpr int kWide8B = 36;
inline constexpr int kBracket8B = 37;
inline constexpr int kHeadingCount = 38;

} // namespace layout

namespace layout {

// A legend row inside its panel pctLeg(n): the swatch lblLegenda(k), and its caption to the right.
TwipsRect legendSwatchRect(int row);
TwipsRect legendCaptionRect(int row, int captionHeight);

} // namespace layout
