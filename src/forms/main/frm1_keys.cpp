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
    const auto act = [this](bool pressed, std::optional<int> target) {
        if (pressed && !comboHasFocus_ && target)
            cmbN_->setListIndex(*target);
    };
    act(keyFlags_->takePressed(ArrowKeyFlags::Right), keys::rightOf(cmbN_->listIndex(), cmbN_->count()));
    act(keyFlags_->takePressed(ArrowKeyFlags::Left), keys::leftOf(cmbN_->listIndex()));
    const auto moved = [this](std::optional<int> step) {
        return step ? std::optional(selectedIndex_ + *step) : std::nullopt;
    };
    act(keyFlags_->takePressed(ArrowKeyFlags::Up), moved(keys::upStep(selectedIndex_ + 1)));
    act(keyFlags_->takePressed(ArrowKeyFlags::Down), moved(keys::downStep(selectedIndex_ + 1)));
}
