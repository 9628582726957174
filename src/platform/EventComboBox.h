// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a drop-down list whose index assignment runs its click handler before it returns.
#pragma once

#include <QComboBox>
#include <QStringList>

namespace platform {

// Starts with no selection (-1) and is filled with signals blocked, so that the first item
// added is not auto-selected. Every assignment of the list index, even to the index the list
// already has, and every change the user makes emit listClicked synchronously, exactly once;
// the form connects that to its click handler. Left and Right step the entry of the closed list
// as Up and Down do.
class EventComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit EventComboBox(QWidget* parent = nullptr);

    // Appends the entries in the given order, leaving the selection as it was.
    void appendSilently(const QStringList& entries);
    // Sets the list index and runs the handler, whether or not the index changes.
    void setListIndex(int index);
    int listIndex() const { return currentIndex(); }
    // Moves the list index by delta if the result is still an entry; no wrap-around.
    void stepListIndex(int delta);

  signals:
    void listClicked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace platform
