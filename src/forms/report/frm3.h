// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - frm3, the report window: the selected element's data as plain text that can be read,
// scrolled, selected and copied, never changed. Shown modally by the main window's report button.
#pragma once

#include "forms/common/ModalWindow.h"

class QPlainTextEdit;

class frm3 : public ModalWindow {
    Q_OBJECT
  public:
    explicit frm3(QWidget* mainWindow);

    void Form_Load();
    // Replaces the whole text of txtRel.
    void setReport(const QString& text);
    QString report() const;

  private:
    QWidget* mainWindow_;
    QPlainTextEdit* txtRel_;
};
