// SPDX-License-Identifier: GPL-3.0-or-later
#include "Placement.h"

#include "WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace layout {
namespace {

const QString kWatchName = QStringLiteral("frameWatch");

placement::Area area(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// Whether the window manager has framed the window: the frame is larger than the client area and
// holds all of it (while the manager is still building the frame, it may be reported at a
// placeholder size).
bool hasFrame(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    return frame.size() != window.size() && frame.contains(window.geometry());
}

void moveFrame(QWidget& window) {
    if (window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QScreen* display = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    const QSize outer = hasFrame(window) ? window.frameGeometry().size() : window.size();
    const placement::Origin origin = placement::frameOrigin(
        area(display->geometry()), area(display->availableGeometry()), outer.width(), outer.height());
    window.move(origin.left, origin.top); // a top-level widget's position is its frame's
}

// Watches a shown window until the window manager has framed it, centres it by that frame, and goes.
// A window whose native window existed before it was placed keeps its client area where it was put
// and gets its frame around it, so no move tells of the frame: the first paint or activation after
// the framing does.
class FrameWatch : public QObject {
  public:
    explicit FrameWatch(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(kWatchName);
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        const bool telling = type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
                             type == QEvent::Paint || type == QEvent::WindowActivate;
        if (watched == &window_ && telling && window_.isVisible() && hasFrame(window_)) {
            window_.removeEventFilter(this);
            setObjectName(QString());
            moveFrame(window_);
            deleteLater();
        }
        return false;
    }

  private:
    QWidget& window_;
};

} // namespace

void centreOnScreen(QWidget& window) {
    moveFrame(window);
    if (!hasFrame(window) && !window.findChild<QObject*>(kWatchName, Qt::FindDirectChildrenOnly))
        new FrameWatch(window);
}

} // namespace layout
