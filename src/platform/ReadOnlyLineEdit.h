// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a value box the user can select and copy from but never change.
#pragma once

#include <QLineEdit>

namespace platform {

// Read-only: typing, Delete, cut and paste are refused while selection and Ctrl+C work.
// A click selects the whole text, so that click-then-copy takes the whole value.
// The box has the sunken two-line edge of a classic text box, drawn here: the style's rounded,
// antialiased frame costs about as much as the rest of the box, and a selection repaints 22 boxes.
class ReadOnlyLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit ReadOnlyLineEdit(QWidget* parent = nullptr);

    // Shows a value from its start. A value wider than the box is drawn narrower, by up to 15 %,
    // so that it fits; one that still does not fit gives its whole text as the box's tool tip.
    void showValue(const QString& text);
    // The width a text may take inside the box.
    int textRoom() const;
    // The font the box was given, before any narrowing for a long value.
    QFont ownFont() const { return fitted_ ? designFont_ : font(); }
    // A box without an edge shows its text on its background alone.
    void setEdge(bool on);
    bool hasEdge() const { return edge_; }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void fitFontTo(const QString& shown);

    QFont designFont_;
    QString designTip_;
    bool fitted_ = false;   // designFont_ holds the font the box was given
    bool valueTip_ = false; // the tool tip shows the value, not the box's own tip
    bool edge_ = false;
};

} // namespace platform
