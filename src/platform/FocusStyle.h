// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the program's style: Fusion, with a keyboard focus that shows on every button, even a
// small one that shows only a picture.
#pragma once

#include <QProxyStyle>

namespace platform {

class FocusStyle : public QProxyStyle {
    Q_OBJECT
  public:
    FocusStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

} // namespace platform
