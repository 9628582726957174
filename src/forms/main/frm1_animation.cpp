// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the animation. Every second while it runs: a random group numbering, element and view,
// each shown through its own control as if the user had chosen it.
#include "frm1.h"

#include "data/AnimationDraws.h"
#include "platform/EventComboBox.h"

#include <QPushButton>
#include <QTimer>

void frm1::cmdAni_Click() {
    if (tmp_->isActive())
        tmp_->stop();
    else
        tmp_->start();
}

void frm1::tmp_Timer() {
    const animation::Draw draw = animation::next(*random_);
    optCol_[draw.numbering]->setChecked(true);
    cmbN_->setListIndex(draw.elementIndex);
    cmbTab_->setListIndex(draw.viewIndex);
}
