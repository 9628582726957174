// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the arrow keys. Every 100 ms each key is asked once whether it was pressed since the last
// tick, in the order right, left, up, down; a key moves the selection only while no list holds
// the focus, and each move runs the selection at once, so a later key starts from there.
//
// The ticks keep one 100 ms grid from the window's creation, but the timer runs only while presses
// come: a press starts it for the next point of the grid, and a tick that finds no press stops it,
// so the program does not wake up while nobody types.
#include "frm1.h"

#include "data/ArrowSteps.h"
#include "platform/ArrowKeyFlags.h"
#include "platform/EventComboBox.h"

#include <QTimer>

void frm1::tmtKeys_Timer() {
    using platform::ArrowKeyFlags;
    bool found = false;
    // Right and left step through the list; up and down move from the selected cell.
    const auto act = [this, &found](ArrowKeyFlags::Arrow key, keys::Arrow arrow, int from) {
        if (!keyFlags_->takePressed(key))
            return;
        found = true;
        if (comboHasFocus_)
            return;
        if (const std::optional<int> target = keys::target(arrow, from, cmbN_->count()))
            cmbN_->setListIndex(*target);
    };
    act(ArrowKeyFlags::Right, keys::Arrow::Right, cmbN_->listIndex());
    act(ArrowKeyFlags::Left, keys::Arrow::Left, cmbN_->listIndex());
    act(ArrowKeyFlags::Up, keys::Arrow::Up, selectedIndex_);
    act(ArrowKeyFlags::Down, keys::Arrow::Down, selectedIndex_);
    if (!found)
        tmtKeys_->stop();
    else if (tmtKeys_->isActive() && tmtKeys_->interval() != kKeyTickMs)
        tmtKeys_->setInterval(kKeyTickMs); // the first tick after a start fell on the grid; go on from it
}

void frm1::keyPressWaiting() {
    if (tmtKeys_->isActive())
        return;
    // The next point of the grid, as if the timer had run all along.
    const int intoTick = int(keyGrid_.elapsed() % kKeyTickMs);
    tmtKeys_->start(kKeyTickMs - intoTick);
}
