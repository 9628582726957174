// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the arrow keys. Every 100 ms each key is asked once whether it was pressed since the last
// tick, in the order right, left, up, down; a key moves the selection only while no list holds
// the focus, and each move runs the selection at once, so a later key starts from there.
#include "frm1.h"

#include "ArrowSteps.h"
#include "platform/ArrowKeyFlags.h"
#include "platform/EventComboBox.h"

void frm1::tmtKeys_Timer() {
    using platform::ArrowKeyFlags;
    // Right and left step through the list; up and down move from the selected cell.
    const auto act = [this](ArrowKeyFlags::Arrow key, keys::Arrow arrow, int from) {
        if (!keyFlags_->takePressed(key) || comboHasFocus_)
            return;
        if (const std::optional<int> target = keys::target(arrow, from, cmbN_->count()))
            cmbN_->setListIndex(*target);
    };
    act(ArrowKeyFlags::Right, keys::Arrow::Right, cmbN_->listIndex());
    act(ArrowKeyFlags::Left, keys::Arrow::Left, cmbN_->listIndex());
    act(ArrowKeyFlags::Up, keys::Arrow::Up, selectedIndex_);
    act(ArrowKeyFlags::Down, keys::Arrow::Down, selectedIndex_);
}
