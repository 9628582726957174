// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaintRecord.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <optional>

namespace {

// Declares every feature, so that QPainter hands each call on as it is and never turns text into
// paths or pictures into fills on the way.
class RecordingEngine : public QPaintEngine {
  public:
    explicit RecordingEngine(QList<Painted>& items) : QPaintEngine(AllFeatures), items_(items) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }

    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        const QRectF logical(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        add({Painted::Text, logical, item.text(), item.font(), painter()->pen().color(),
             painter()->deviceTransform().map(at).y()});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int n = 0; n < count; ++n)
            addArea(rects[n]);
    }
    void drawRects(const QRect* rects, int count) override {
        for (int n = 0; n < count; ++n)
            addArea(rects[n]);
    }
    void drawPath(const QPainterPath& path) override { addArea(path.boundingRect()); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        addArea(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }
    void drawEllipse(const QRectF& rect) override { addArea(rect); }
    void drawLines(const QLineF* lines, int count) override {
        for (int n = 0; n < count; ++n)
            add({Painted::Outline, QRectF(lines[n].p1(), lines[n].p2()).normalized(), {}, {}, penColour()});
    }
    void drawPixmap(const QRectF& target, const QPixmap&, const QRectF&) override { addPicture(target); }
    void drawImage(const QRectF& target, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
        addPicture(target);
    }
    void drawTiledPixmap(const QRectF& target, const QPixmap&, const QPointF&) override {
        addPicture(target);
    }

  private:
    QColor penColour() const {
        return painter()->pen().style() == Qt::NoPen ? QColor() : painter()->pen().color();
    }
    void addArea(const QRectF& rect) {
        const QBrush brush = painter()->brush();
        const QGradient* gradient = brush.gradient();
        const QColor fill = gradient && !gradient->stops().isEmpty()
                                ? gradient->stops().first().second // its first stop
                            : brush.style() == Qt::NoBrush ? QColor()
                                                           : brush.color();
        if (fill.isValid() && fill.alpha() > 0)
            add({Painted::Fill, rect, {}, {}, fill});
        if (const QColor pen = penColour(); pen.isValid() && pen.alpha() > 0)
            add({Painted::Outline, rect, {}, {}, pen});
    }
    void addPicture(const QRectF& target) { add({Painted::Picture, target, {}, {}, {}}); }
    // Keeps what shows inside the clip, in the device's pixels.
    void add(Painted item) {
        const QTransform& toDevice = painter()->deviceTransform();
        item.rect = toDevice.mapRect(item.rect);
        std::optional<QRectF> clip;
        if (!systemClip().isEmpty())
            clip = QRectF(systemClip().boundingRect());
        if (painter()->hasClipping())
            clip = toDevice.mapRect(painter()->clipBoundingRect()) &
                   clip.value_or(item.rect.adjusted(-1, -1, 1, 1));
        if (clip && !clip->intersects(item.rect.adjusted(0, 0, 0.01, 0.01)))
            return;
        if (clip && item.kind == Painted::Fill)
            item.rect &= *clip;
        items_.append(item);
    }

    QList<Painted>& items_;
};

// An image of the window's size at 96 dpi whose painter records instead of drawing.
class RecordingDevice : public QImage {
  public:
    RecordingDevice(QSize size, QList<Painted>& items) : QImage(size, QImage::Format_RGB32), engine_(items) {}
    QPaintEngine* paintEngine() const override { return &engine_; }

  private:
    mutable RecordingEngine engine_;
};

} // namespace

PaintRecord PaintRecord::of(QWidget& window) {
    PaintRecord record;
    record.area = QRectF(QPointF(), window.size());
    RecordingDevice device(window.size(), record.items);
    window.render(&device, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    // A text whose letters (from its top to its baseline) a later fill paints over is not seen.
    for (auto item = record.items.cbegin(); item != record.items.cend(); ++item) {
        const QRectF letters(item->rect.topLeft(), QPointF(item->rect.right(), item->baseline));
        const bool covered = std::any_of(item + 1, record.items.cend(), [&](const Painted& later) {
            return later.kind == Painted::Fill && later.colour.alpha() == 255 && later.rect.contains(letters);
        });
        if (item->kind == Painted::Text && !covered)
            record.visibleTexts << *item;
    }
    return record;
}

std::optional<QColor> PaintRecord::colourAt(QPointF point) const {
    // A one-pixel outline of x, y, w, h covers the pixels from x to x + w on its edges.
    const auto within = [](double v, double from, double to) { return v >= from && v < to; };
    const auto onOutline = [&](const QRectF& r) {
        return within(point.x(), r.left(), r.right() + 1) && within(point.y(), r.top(), r.bottom() + 1) &&
               !(within(point.x(), r.left() + 1, r.right()) && within(point.y(), r.top() + 1, r.bottom()));
    };
    for (auto item = items.crbegin(); item != items.crend(); ++item)
        if ((item->kind == Painted::Fill && item->rect.contains(point)) ||
            (item->kind == Painted::Outline && onOutline(item->rect)))
            return item->colour;
    return std::nullopt;
}

QList<Painted> PaintRecord::textsIn(const QRectF& area) const {
    QList<Painted> found;
    for (const Painted& text : visibleTexts)
        if (area.contains(text.rect.center()))
            found << text;
    return found;
}
