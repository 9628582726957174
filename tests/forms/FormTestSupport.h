// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers the window tests share: finding controls by their given names and comparing places in twips.
#pragma once

#include "forms/main/PeriodicTable.h"
#include "forms/main/frm1.h"
#include "platform/EventComboBox.h"
#include "platform/QtText.h"
#include "platform/ReadOnlyLineEdit.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>

template <typename T = QWidget> T* child(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// Makes a shown window the active one, as a click on it would, and waits until the application
// agrees; false if it never does.
inline bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The drawn periodic table: its cells lbl(i), period numbers and headings are read through it.
inline PeriodicTable* table(const frm1& window) {
    return child<PeriodicTable>(window, QStringLiteral("tableGrid"));
}

// A part of the drawn table by its given name: a cell lbl(i), a period number lblPeriodo(n) or a
// heading lblfamilia(n). Its place is in the table's coordinates, which are pctTabela's; the
// background is invalid where the table shows through. None for any other name.
struct TablePart {
    QRect place;
    QString text;
    QColor back;
    QColor fore;
    bool visible;
    QString toolTip;
};
inline std::optional<TablePart> tablePart(const frm1& window, const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^(lbl|lblPeriodo|lblfamilia)\\((\\d+)\\)$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const PeriodicTable& drawn = *table(window);
    const int n = match.captured(2).toInt();
    const QString kind = match.captured(1);
    if (kind == QLatin1String("lbl")) {
        if (n >= PeriodicTable::kCellCount)
            return std::nullopt;
        return TablePart{drawn.cellRect(n),   drawn.text(n), drawn.backColor(n),
                         drawn.textColour(n), true,          drawn.cellToolTip(n)};
    }
    const bool period = kind == QLatin1String("lblPeriodo");
    if (n >= (period ? PeriodicTable::kPeriodCount : PeriodicTable::kHeadingCount))
        return std::nullopt;
    const TableLabel& label = period ? drawn.period(n) : drawn.heading(n);
    return TablePart{label.place, label.text,    label.back.value_or(QColor()),
                     label.fore,  label.visible, label.toolTip};
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
        count += table(window)->isHighlighted(i);
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
