// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameBox.h"

#include "platform/Edges.h"

#include <QPainter>

namespace {
constexpr int kCaptionIndent = 6; // pixels from the frame's left edge to the caption
constexpr int kCaptionPadding = 2;
const QColor kEtchShadow(128, 128, 128);
const QColor kEtchLight(255, 255, 255);
} // namespace

// Painted here rather than by the style, whose group box reads its frame from an image and so
// loads every image-format plugin on the first paint.
FrameBox::FrameBox(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
    setAccessibleName(caption);
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineY = metrics.height() / 2;
    const QRect box = rect().adjusted(0, lineY, -1, -1);
    platform::fillOutline(painter, box, kEtchShadow);
    platform::fillOutline(painter, box.translated(1, 1), kEtchLight);

    if (caption_.isEmpty())
        return;
    const int captionWidth = metrics.horizontalAdvance(caption_) + 2 * kCaptionPadding;
    const QRect captionRect(kCaptionIndent, 0, captionWidth, metrics.height());
    painter.fillRect(captionRect, palette().color(backgroundRole()));
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(captionRect, Qt::AlignCenter, caption_);
}
