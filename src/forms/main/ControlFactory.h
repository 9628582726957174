// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - makes a widget from one row of a layout table.
#pragma once

#include "MainLayout.h"

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
void applyColors(QWidget* widget, std::int64_t back, std::int64_t fore);

} // namespace layout
