// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a rectangle drawn over other controls: an outline, a filled body, or both.
#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

class Shape : public QWidget {
    Q_OBJECT
  public:
    explicit Shape(QWidget* parent);
    // No colour: that part is not drawn.
    void setOutline(std::optional<QColor> colour);
    void setFill(std::optional<QColor> colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<QColor> outline_;
    std::optional<QColor> fill_;
};
