// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - placing a window of its own on the screen.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace layout {

// Puts the window in the middle of the primary screen.
inline void centreOnScreen(QWidget& window) {
    if (const QScreen* display = QGuiApplication::primaryScreen())
        window.move(display->geometry().center() - window.rect().center());
}

} // namespace layout
