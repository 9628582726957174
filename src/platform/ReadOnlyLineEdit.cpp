// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadOnlyLineEdit.h"

#include "Fonts.h"

#include <QMouseEvent>
#include <QStyle>

namespace platform {

ReadOnlyLineEdit::ReadOnlyLineEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
}

void ReadOnlyLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        setCursorPosition(0);
        selectAll();
    }
}

int ReadOnlyLineEdit::textRoom() const {
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    const QMargins margins = textMargins();
    constexpr int kInnerMargin = 2; // a line edit keeps this much free on each side of its text
    return width() - 2 * frame - 2 * kInnerMargin - margins.left() - margins.right();
}

void ReadOnlyLineEdit::showValue(const QString& text) {
    if (!fitted_) {
        designFont_ = font();
        fitted_ = true;
    }
    if (!valueTip_)
        designTip_ = toolTip(); // a tip given after the first value still counts as the box's own
    setText(text);
    const QString shown = this->text(); // as the box's change handling left it
    const QFont fitted = fittedFont(designFont_, shown, textRoom());
    if (fitted != font())
        setFont(fitted);
    const bool fits = QFontMetrics(fitted).horizontalAdvance(shown) <= textRoom();
    valueTip_ = !fits;
    setToolTip(fits ? designTip_ : shown);
    setCursorPosition(0);
}

} // namespace platform
