// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the program's style: Fusion, with a keyboard focus that anyone can see on every button,
// list and line edit, and graphical check and option buttons that look pressed while chosen.
#pragma once

#include <QProxyStyle>

namespace platform {

// The focus ring is two pixels of the control's text colour, two pixels inside its edge, with a
// pixel of the control's background on either side: whatever surrounds the control, the ring
// touches only that background, so it stands out as well as the control's own text does.
//
// A checkable push button is drawn with a classic bevel: raised on the button face while clear,
// sunken on a clearly darker face while checked, so the chosen one of a pair is plain to see.
class FocusStyle : public QProxyStyle {
    Q_OBJECT
  public:
    FocusStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    // A line edit's text keeps clear of the ring.
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
};

} // namespace platform
