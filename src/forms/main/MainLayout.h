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

} // namespace layout

namespace layout {

// A legend row inside its panel pctLeg(n): the swatch lblLegenda(k), and its caption to the right.
TwipsRect legendSwatchRect(int row);
TwipsRect legendCaptionRect(int row, int captionHeight);

} // namespace layout
