// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - putting away a socket notifier whose descriptor is about to close.
#pragma once

#include <QSocketNotifier>

namespace platform {

// The notifier stops watching before the descriptor closes, so the event loop never watches a
// number that the next socket opened may reuse. It may be the one whose signal runs now, so it is
// deleted later. The pointer is left empty; an empty one is left as it is.
inline void retireNotifier(QSocketNotifier*& notifier) {
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
    notifier = nullptr;
}

} // namespace platform
