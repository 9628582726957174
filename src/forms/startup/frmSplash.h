// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - frmSplash, the start-up form. It is never shown: its load step builds the main window,
// hands over to a copy that is already running, or shows the main window.
#pragma once

#include "platform/SingleInstance.h"

#include <QWidget>
#include <memory>

class QLabel;
class frm1;

class frmSplash : public QWidget {
    Q_OBJECT
  public:
    // startupId: the X11 startup id a desktop launcher gave this copy (DESKTOP_STARTUP_ID), if any.
    explicit frmSplash(platform::SingleInstance& instance, const QString& startupId = {},
                       QWidget* parent = nullptr);

    // Builds the main window and shows it, or, when another copy runs already, asks that copy
    // to come forward and returns nothing: this copy must then end without showing a window.
    std::unique_ptr<frm1> Form_Load();
    // What the single-copy check found: Secondary after a hand-over, Unreachable when another copy
    // holds the lock but could not be reached.
    platform::SingleInstance::Role role() const { return role_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    platform::SingleInstance& instance_;
    QString startupId_;
    platform::SingleInstance::Role role_ = platform::SingleInstance::Role::Primary;
    QLabel* picture_ = nullptr;
    QLabel* lblVersao_;
};
