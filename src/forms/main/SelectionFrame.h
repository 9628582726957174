// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - shpSelecao: an unfilled rectangle outline that frames the selected cell.
#pragma once

#include <QWidget>

class SelectionFrame : public QWidget {
    Q_OBJECT
  public:
    explicit SelectionFrame(QWidget* parent);
    void setLineColor(const QColor& color);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor lineColor_ = Qt::white;
};
