// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlFactory.h"

#include "FrameBox.h"
#include "Shape.h"
#include "platform/BgrColour.h"
#include "platform/EventComboBox.h"
#include "platform/Fonts.h"
#include "platform/PngPictures.h"
#include "platform/PushButton.h"
#include "platform/Twips.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace layout {
namespace {

constexpr int kIconPx = 16;
constexpr int kSearchMaxLength = 15;

Qt::Alignment qtAlignment(Align align) {
    switch (align) {
    case Centre:
        return Qt::AlignCenter;
    case Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QPushButton* makePictureButton(const ControlRow& row, QWidget* parent) {
    // A check box changes by a click or Space only; the other buttons take Enter as Space.
    const QString caption = QString::fromUtf8(row.caption);
    QPushButton* button = row.kind == Kind::CheckButton ? new QPushButton(caption, parent)
                                                        : new platform::PushButton(caption, parent);
    if (*row.icon) {
        button->setIcon(platform::pngIcon(QString::fromLatin1(row.icon)));
        button->setIconSize(QSize(kIconPx, kIconPx));
    }
    button->setCheckable(row.kind != Kind::Button);
    button->setAutoExclusive(row.kind == Kind::OptionButton);
    button->setFocusPolicy(Qt::StrongFocus); // a click takes the focus, as the original buttons do
    return button;
}

QWidget* makeWidget(const ControlRow& row, QWidget* parent) {
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case Kind::Panel:
        return new QWidget(parent);
    case Kind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(qtAlignment(row.align));
        if (row.border)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        return label;
    }
    case Kind::Frame:
        return new FrameBox(caption, parent);
    case Kind::Button:
    case Kind::CheckButton:
    case Kind::OptionButton:
        return makePictureButton(row, parent);
    case Kind::SearchBox: {
        auto* box = new QLineEdit(parent);
        box->setMaxLength(kSearchMaxLength);
        return box;
    }
    case Kind::TextBox:
        return new QLineEdit(parent);
    case Kind::Combo:
        return new platform::EventComboBox(parent);
    case Kind::Image: {
        auto* image = new QLabel(parent);
        const QSize size = platform::twipsRect(0, 0, row.width, row.height).size();
        image->setPixmap(platform::pngIcon(QString::fromLatin1(row.icon)).pixmap(size));
        return image;
    }
    case Kind::Shape: {
        auto* shape = new Shape(parent);
        if (row.fore >= 0)
            shape->setOutline(platform::bgrColour(std::uint32_t(row.fore)));
        if (row.back >= 0)
            shape->setFill(platform::bgrColour(std::uint32_t(row.back)));
        return shape;
    }
    }
    return new QWidget(parent);
}

} // namespace

void applyColours(QWidget* widget, std::int64_t back, std::int64_t fore) {
    // Only the roles the widget paints itself with, so that the controls inside a coloured panel
    // keep their own look: buttons stay button-coloured on any panel.
    using Roles = QList<QPalette::ColorRole>;
    auto* combo = qobject_cast<QComboBox*>(widget);
    Roles backRoles = {QPalette::Window};
    Roles foreRoles = {QPalette::WindowText};
    if (combo) {
        backRoles = {QPalette::Button, QPalette::Base, QPalette::Window};
        foreRoles = {QPalette::ButtonText, QPalette::Text, QPalette::WindowText};
    } else if (qobject_cast<QAbstractButton*>(widget)) {
        backRoles = {QPalette::Button};
        foreRoles = {QPalette::ButtonText};
    } else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractScrollArea*>(widget)) {
        backRoles = {QPalette::Base};
        foreRoles = {QPalette::Text};
    }
    QPalette palette = widget->palette();
    if (back >= 0) {
        for (auto role : backRoles)
            palette.setColor(role, platform::bgrColour(std::uint32_t(back)));
        widget->setAutoFillBackground(true);
    }
    if (fore >= 0)
        for (auto role : foreRoles)
            palette.setColor(role, platform::bgrColour(std::uint32_t(fore)));
    widget->setPalette(palette);
    // The open list of a drop-down shows the same colours as the closed one.
    if (combo)
        combo->view()->setPalette(palette);
}

QWidget* makeControl(const ControlRow& row, QWidget* parent) {
    QWidget* widget = makeWidget(row, parent);
    widget->setObjectName(QString::fromLatin1(row.name));
    widget->setGeometry(platform::twipsRect(row.left, row.top, row.width, row.height));
    if (*row.toolTip) {
        widget->setToolTip(QString::fromUtf8(row.toolTip));
        // A control that shows a picture instead of a caption is named by its tool tip.
        if (!*row.caption)
            widget->setAccessibleName(QString::fromUtf8(row.toolTip));
    }
    widget->setFont(platform::uiFont(row.points));
    applyColours(widget, row.back, row.fore);
    return widget;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const TwipsRect& place, const QString& caption,
                  std::int64_t back, std::int64_t fore, double points, Align align, bool border) {
    const QByteArray nameBytes = name.toLatin1();
    const QByteArray captionBytes = caption.toUtf8();
    const ControlRow row{nameBytes.constData(),
                         nullptr,
                         Kind::Label,
                         place.left,
                         place.top,
                         place.width,
                         place.height,
                         captionBytes.constData(),
                         "",
                         "",
                         back,
                         fore,
                         points,
                         align,
                         border};
    return static_cast<QLabel*>(makeControl(row, parent));
}

QString indexedName(const char* base, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(index);
}

} // namespace layout
