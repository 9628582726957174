// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the one place where controls are connected to their handlers, and the focus events
// that the handlers track.
#include "frm1.h"

#include "PeriodicTable.h"
#include "platform/ArrowKeyFlags.h"
#include "platform/EventComboBox.h"
#include "platform/ReadOnlyLineEdit.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kEnter = 13;

} // namespace

void frm1::connectHandlers() {
    connect(cmbN_, &platform::EventComboBox::listClicked, this, &frm1::cmbN_Click);
    connect(cmbTab_, &platform::EventComboBox::listClicked, this, &frm1::cmbTab_Click);
    connect(table_, &PeriodicTable::cellPressed, this, &frm1::lbl_MouseDown);
    for (int n = 0; n < int(txtValor_.size()); ++n)
        connect(txtValor_[n], &QLineEdit::textChanged, this, [this, n] { txtValor_Change(n); });
    const auto onClick = [this](const char* name, void (frm1::*handler)()) {
        connect(control<QPushButton>(name), &QPushButton::clicked, this, handler);
    };
    onClick("cmdA", &frm1::cmdA_Click);
    onClick("cmdP", &frm1::cmdP_Click);
    onClick("cmdA2", &frm1::cmdA2_Click);
    onClick("cmdP2", &frm1::cmdP2_Click);
    onClick("cmdSimb1", &frm1::cmdSimb1_Click);
    onClick("cmdSimb2", &frm1::cmdSimb2_Click);
    onClick("cmdBusca", &frm1::cmdBusca_Click);
    onClick("cmdRel", &frm1::cmdRel_Click);
    onClick("cmdAni", &frm1::cmdAni_Click);
    connect(chkOnTop_, &QPushButton::toggled, this, &frm1::chkOnTop_Click);
    connect(tmtKeys_, &QTimer::timeout, this, &frm1::tmtKeys_Timer);
    connect(keyFlags_, &platform::ArrowKeyFlags::pressed, this, &frm1::keyPressWaiting);
    connect(tmp_, &QTimer::timeout, this, &frm1::tmp_Timer);
    imgLogo_->installEventFilter(this);
    // Enter in the search box runs the search; the box itself takes no character for it.
    connect(txtBusca_, &QLineEdit::returnPressed, this, [this] { txtBusca_KeyPress(kEnter); });
    // An option runs its handler when it becomes the chosen one; choosing it again runs nothing.
    // Any click, even on the chosen option, leaves the keyboard focus in the search box, so that
    // the arrow keys move through the table and never flip the numbering.
    for (int n = 0; n < int(optCol_.size()); ++n) {
        connect(optCol_[n], &QPushButton::toggled, this, [this, n](bool chosen) {
            if (chosen)
                optCol_Click(n);
        });
        connect(optCol_[n], &QPushButton::clicked, txtBusca_, [this] { focusSearchBox(); });
    }
    txtBusca_->installEventFilter(this);
    cmbN_->installEventFilter(this);
    cmbTab_->installEventFilter(this);
    for (QWidget* panel : pctLeg_)
        panel->installEventFilter(this);
}

bool frm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (const auto panel = std::find(pctLeg_.begin(), pctLeg_.end(), watched); panel != pctLeg_.end())
            fillLegendPanel(int(panel - pctLeg_.begin()));
    }
    // The logo is a picture: a left click on it is its click.
    if (watched == imgLogo_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        imgLogo_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        imgLogo_Click();
        return true;
    }
    // The focus comes to the search box other than by a click inside it: the whole text is
    // selected, so what is typed next replaces it.
    if (watched == txtBusca_ && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
        txtBusca_->selectAll();
    const bool in = event->type() == QEvent::FocusIn;
    // A list loses the focus only to another control of this window. While its drop-down is open,
    // or another window is active, it stays this window's focus control and keeps the arrow keys.
    const bool out = event->type() == QEvent::FocusOut && focusWidget() != watched;
    if (in || out) {
        if (watched == cmbN_)
            in ? cmbN_GotFocus() : cmbN_LostFocus();
        else if (watched == cmbTab_)
            in ? cmbTab_GotFocus() : cmbTab_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

// While either list holds the focus it handles the arrow keys itself.
void frm1::cmbN_GotFocus() {
    comboHasFocus_ = true;
}

void frm1::cmbN_LostFocus() {
    comboHasFocus_ = false;
}

void frm1::cmbTab_GotFocus() {
    comboHasFocus_ = true;
}

void frm1::cmbTab_LostFocus() {
    comboHasFocus_ = false;
}
