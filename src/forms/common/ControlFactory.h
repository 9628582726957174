// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - makes widgets from the rows of the layout tables.
#pragma once

#include "LayoutRows.h"

#include <QString>

class QWidget;
class QLabel;

namespace layout {

// Creates the control of the row inside parent, with its objectName, place, caption,
// tool tip, picture, colours and font.
QWidget* makeControl(const ControlRow& row, QWidget* parent);

// A label with the given place (twips), colours (0x00BBGGRR, kDefault or kTransparent) and font.
QLabel* makeLabel(QWidget* parent, const QString& name, const TwipsRect& place, const QString& caption,
                  std::int64_t back, std::int64_t fore, double points, Align align, bool border);

// Sets a widget's background and text colours in the palette roles its kind paints with.
void applyColours(QWidget* widget, std::int64_t back, std::int64_t fore);

// The name of a member of a control array: "lbl(25)".
QString indexedName(const char* base, int index);

} // namespace layout
