// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers the window tests share: finding controls by their given names and comparing places in twips.
#pragma once

#include "forms/main/ElementCell.h"
#include "forms/main/frm1.h"
#include "platform/EventComboBox.h"
#include "platform/QtText.h"
#include "platform/ReadOnlyLineEdit.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>

template <typename T = QWidget> T* child(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

inline ElementCell* cell(const frm1& window, int index) {
    return child<ElementCell>(window, QStringLiteral("lbl(%1)").arg(index));
}

inline platform::ReadOnlyLineEdit* box(const frm1& window, int index) {
    return child<platform::ReadOnlyLineEdit>(window, QStringLiteral("txtValor(%1)").arg(index));
}

inline platform::EventComboBox* list(const frm1& window, const char* name) {
    return child<platform::EventComboBox>(window, QString::fromLatin1(name));
}

// A window with a fixed random source, so the start element is known.
inline std::unique_ptr<frm1> makeWindow(std::uint64_t seed = 7) {
    return std::make_unique<frm1>(std::make_unique<RandomSource>(seed));
}

inline int highlightedCount(const frm1& window) {
    int count = 0;
    for (int i = 0; i < 118; ++i)
        count += cell(window, i)->isHighlighted();
    return count;
}

// Runs open(), which shows a modal window; look(window) runs while it is open, then the window is
// closed if it is still open. Returns whether a modal window came up.
inline bool whileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& look = {}) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = true;
            if (look)
                look(modal);
            if (QApplication::activeModalWidget() == modal)
                modal->close();
        }
    });
    open();
    QCoreApplication::processEvents();
    return seen;
}
