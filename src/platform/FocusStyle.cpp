// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace platform {

FocusStyle::FocusStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    // Two pixels of the selection colour just inside the button's edge.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(2, 2, -2, -2));
    painter->restore();
}

} // namespace platform
