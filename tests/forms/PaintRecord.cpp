// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaintRecord.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <climits>
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
            addArea(rects[n], QPainterPath());
    }
    void drawRects(const QRect* rects, int count) override {
        for (int n = 0; n < count; ++n)
            addArea(QRectF(rects[n]), QPainterPath());
    }
    void drawPath(const QPainterPath& path) override { addArea(path.boundingRect(), path); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        addArea(QPolygonF(QList<QPointF>(points, points + count)).boundingRect(), QPainterPath());
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int n = 0; n < count; ++n)
            add({Painted::Outline, QRectF(lines[n].p1(), lines[n].p2()).normalized(), {}, {}, penColour()});
    }
    void drawEllipse(const QRectF& rect) override { addArea(rect, QPainterPath()); }
    void drawPixmap(const QRectF& target, const QPixmap&, const QRectF&) override {
        add({Painted::Picture, target, {}, {}, {}});
    }
    void drawImage(const QRectF& target, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
        add({Painted::Picture, target, {}, {}, {}});
    }
    void drawTiledPixmap(const QRectF& target, const QPixmap&, const QPointF&) override {
        add({Painted::Picture, target, {}, {}, {}});
    }

  private:
    QColor penColour() const {
        const QPen pen = painter()->pen();
        return pen.style() == Qt::NoPen ? QColor() : pen.color();
    }
    static QColor brushColour(const QBrush& brush) {
        if (const QGradient* gradient = brush.gradient(); gradient && !gradient->stops().isEmpty())
            return gradient->stops().first().second;
        return brush.style() == Qt::NoBrush ? QColor() : brush.color();
    }
    void addArea(const QRectF& rect, const QPainterPath&) {
        if (const QColor fill = brushColour(painter()->brush()); fill.isValid() && fill.alpha() > 0)
            add({Painted::Fill, rect, {}, {}, fill});
        if (const QColor pen = penColour(); pen.isValid() && pen.alpha() > 0)
            add({Painted::Outline, rect, {}, {}, pen});
    }
    // Keeps what shows inside the clip, in the device's pixels.
    void add(Painted item) {
        const QTransform& toDevice = painter()->deviceTransform();
        item.rect = toDevice.mapRect(item.rect);
        std::optional<QRectF> clip;
        if (!systemClip().isEmpty())
            clip = QRectF(systemClip().boundingRect());
        if (painter()->hasClipping()) {
            const QRectF own = toDevice.mapRect(painter()->clipBoundingRect());
            clip = clip ? *clip & own : own;
        }
        if (clip) {
            if (!clip->intersects(item.rect.adjusted(0, 0, 0.01, 0.01)))
                return;
            if (item.kind == Painted::Fill)
                item.rect &= *clip;
        }
        items_.append(item);
    }

    QList<Painted>& items_;
};

// A paint device of the window's size at 96 dpi whose engine records into a list.
class RecordingDevice : public QPaintDevice {
  public:
    RecordingDevice(QSize size, QList<Painted>& items) : size_(size), engine_(items) {}
    ~RecordingDevice() override = default;
    QPaintEngine* paintEngine() const override { return &engine_; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return size_.width() * 254 / 960;
        case PdmHeightMM:
            return size_.height() * 254 / 960;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

  private:
    QSize size_;
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
    const auto onOutline = [point](const QRectF& r) {
        const auto within = [](double v, double from, double to) { return v >= from && v < to; };
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
