// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlFactory.h"

#include "SelectionFrame.h"
#include "platform/EventComboBox.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"

#include <QGroupBox>
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

QPushButton* makePictureButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(spec.caption), parent);
    if (*spec.icon) {
        button->setIcon(QIcon(QString::fromLatin1(spec.icon)));
        button->setIconSize(QSize(kIconPx, kIconPx));
    }
    button->setCheckable(spec.kind != Kind::Button);
    button->setAutoExclusive(spec.kind == Kind::OptionButton);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QWidget* makeWidget(const ControlSpec& spec, QWidget* parent) {
    const QString caption = QString::fromUtf8(spec.caption);
    switch (spec.kind) {
    case Kind::Panel:
        return new QWidget(parent);
    case Kind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(qtAlignment(spec.align));
        if (spec.border)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        return label;
    }
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::Button:
    case Kind::CheckButton:
    case Kind::OptionButton:
        return makePictureButton(spec, parent);
    case Kind::SearchBox: {
        auto* box = new QLineEdit(parent);
        box->setMaxLength(kSearchMaxLength);
        return box;
    }
    case Kind::Combo:
        return new platform::EventComboBox(parent);
    case Kind::Image: {
        auto* image = new QLabel(parent);
        const QSize size = platform::twipsRect(0, 0, spec.width, spec.height).size();
        image->setPixmap(QIcon(QString::fromLatin1(spec.icon)).pixmap(size));
        return image;
    }
    case Kind::Shape:
        return new SelectionFrame(parent);
    }
    return new QWidget(parent);
}

} // namespace

void applyColors(QWidget* widget, std::int64_t back, std::int64_t fore) {
    QPalette palette = widget->palette();
    if (back >= 0) {
        const QColor color = platform::bgrColor(std::uint32_t(back));
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, color);
        widget->setAutoFillBackground(true);
    }
    if (fore >= 0) {
        const QColor color = platform::bgrColor(std::uint32_t(fore));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, color);
    }
    widget->setPalette(palette);
}

QWidget* makeControl(const ControlSpec& spec, QWidget* parent) {
    QWidget* widget = makeWidget(spec, parent);
    widget->setObjectName(QString::fromLatin1(spec.name));
    widget->setGeometry(platform::twipsRect(spec.left, spec.top, spec.width, spec.height));
    if (*spec.toolTip)
        widget->setToolTip(QString::fromUtf8(spec.toolTip));
    widget->setFont(platform::uiFont(spec.points));
    applyColors(widget, spec.back, spec.fore);
    if (auto* frame = qobject_cast<SelectionFrame*>(widget); frame && spec.fore >= 0)
        frame->setLineColor(platform::bgrColor(std::uint32_t(spec.fore)));
    return widget;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const TwipsRect& place, const QString& caption,
                  std::int64_t back, std::int64_t fore, double points, Align align, bool border) {
    const QByteArray nameBytes = name.toLatin1();
    const QByteArray captionBytes = caption.toUtf8();
    const ControlSpec spec{nameBytes.constData(),
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
    return static_cast<QLabel*>(makeControl(spec, parent));
}

} // namespace layout
