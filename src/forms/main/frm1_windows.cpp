// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the program's other windows. Keeping them all on top, opening the About window from the
// logo, and closing everything when the main window closes.
#include "frm1.h"

#include "forms/about/frmSobre.h"
#include "forms/info/frm2.h"
#include "forms/report/frm3.h"
#include "platform/OnTop.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

frm2* frm1::informationWindow() const {
    return info_;
}

frm3* frm1::reportWindow() const {
    return report_;
}

frm2* frm1::loadInformationWindow() {
    if (!info_)
        info_ = new frm2(this);
    return info_;
}

frm3* frm1::loadReportWindow() {
    if (!report_) {
        report_ = new frm3(this);
        report_->setAttribute(Qt::WA_DeleteOnClose);
    }
    return report_;
}

void frm1::chkOnTop_Click() {
    const bool topmost = chkOnTop_->isChecked();
    platform::setTopmost(*this, topmost);
    platform::setTopmost(*loadInformationWindow(), topmost);
    platform::setTopmost(*loadReportWindow(), topmost);
}

void frm1::imgLogo_Click() {
    tmp_->stop();
    frmSobre about(this);
    about.exec();
}

void frm1::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frm1::Form_Unload() {
    // A modal window closed here ends its own wait first; with no window left, the program ends.
    tmp_->stop();
    tmtKeys_->stop();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
}
