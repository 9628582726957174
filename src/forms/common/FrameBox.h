// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a captioned frame around a group of controls: an etched line, broken at the top left
// by the caption, in the caption's colour on the frame's own background.
#pragma once

#include <QWidget>

class FrameBox : public QWidget {
    Q_OBJECT
  public:
    FrameBox(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
};
