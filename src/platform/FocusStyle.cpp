// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusStyle.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

namespace platform {
namespace {

constexpr int kRingInset = 2; // pixels between the control's edge and the ring
constexpr int kRingWidth = 2;
constexpr int kCheckedDarker = 150; // the checked face, as a QColor::darker factor of the face
const QColor kBevelLight = Qt::white;
const QColor kBevelShadow(0xA0, 0xA0, 0xA0);
const QColor kBevelDark(0x69, 0x69, 0x69);

// Fills a frame of the given thickness just inside rect.
void fillFrame(QPainter* painter, const QRect& rect, int thickness, const QColor& colour) {
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), thickness), colour);
    painter->fillRect(QRect(rect.left(), rect.bottom() - thickness + 1, rect.width(), thickness), colour);
    painter->fillRect(QRect(rect.left(), rect.top(), thickness, rect.height()), colour);
    painter->fillRect(QRect(rect.right() - thickness + 1, rect.top(), thickness, rect.height()), colour);
}

void drawRing(QPainter* painter, const QRect& rect, const QColor& ring, const QColor& background) {
    const auto inset = [&rect](int by) { return rect.adjusted(by, by, -by, -by); };
    painter->save();
    fillFrame(painter, inset(kRingInset - 1), 1, background);
    fillFrame(painter, inset(kRingInset), kRingWidth, ring);
    fillFrame(painter, inset(kRingInset + kRingWidth), 1, background);
    painter->restore();
}

// One pixel of light on the top and left edges and of dark on the bottom and right ones, and a
// second line of shadow inside: bottom-right when raised, top-left when sunken.
void drawBevel(QPainter* painter, const QRect& rect, bool sunken, const QColor& face) {
    painter->fillRect(rect, face);
    const QColor topLeft = sunken ? kBevelDark : kBevelLight;
    const QColor bottomRight = sunken ? kBevelLight : kBevelDark;
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
    painter->fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
    painter->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
    const QRect inner = rect.adjusted(1, 1, -1, -1);
    if (sunken) {
        painter->fillRect(QRect(inner.left(), inner.top(), inner.width(), 1), kBevelShadow);
        painter->fillRect(QRect(inner.left(), inner.top(), 1, inner.height()), kBevelShadow);
    } else {
        painter->fillRect(QRect(inner.left(), inner.bottom(), inner.width(), 1), kBevelShadow);
        painter->fillRect(QRect(inner.right(), inner.top(), 1, inner.height()), kBevelShadow);
    }
}

bool isCheckable(const QWidget* widget) {
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button && button->isCheckable();
}

// The face a push button is drawn on: darker while a checkable one is checked.
QColor buttonFace(const QStyleOption& option, const QWidget* widget) {
    const QColor face = option.palette.color(QPalette::Button);
    return isCheckable(widget) && (option.state & QStyle::State_On) ? face.darker(kCheckedDarker) : face;
}

bool hasFocus(const QStyleOption* option) {
    return option->state & QStyle::State_HasFocus;
}

bool hasEdge(const QStyleOption* option) {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    return frame && frame->lineWidth > 0;
}

} // namespace

FocusStyle::FocusStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (element == PE_PanelButtonCommand && isCheckable(widget))
        return drawBevel(painter, option->rect, option->state & (State_On | State_Sunken),
                         buttonFace(*option, widget));
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A line edit with an edge: the ring goes inside the edge, around the text.
    if (element == PE_PanelLineEdit && hasFocus(option) && hasEdge(option))
        drawRing(painter, option->rect, option->palette.color(QPalette::Text),
                 option->palette.color(QPalette::Base));
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && hasFocus(option))
        drawRing(painter, option->rect, option->palette.color(QPalette::ButtonText),
                 buttonFace(*option, widget));
}

void FocusStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox && hasFocus(option))
        drawRing(painter, option->rect, option->palette.color(QPalette::ButtonText),
                 option->palette.color(QPalette::Button));
}

QRect FocusStyle::subElementRect(SubElement element, const QStyleOption* option,
                                 const QWidget* widget) const {
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    if (element != SE_LineEditContents || !hasEdge(option))
        return rect;
    // The text and its caret start after the ring and the pixel beside it.
    const int clear = std::max(0, kRingInset + kRingWidth + 1 - (rect.left() - option->rect.left()));
    return rect.adjusted(clear, 0, -clear, 0);
}

} // namespace platform
