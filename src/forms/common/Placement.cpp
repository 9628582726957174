// SPDX-License-Identifier: GPL-3.0-or-later
#include "Placement.h"

#include "data/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <optional>

namespace layout {
namespace {

const QString kWatchName = QStringLiteral("frameWatch");

placement::Area area(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// Whether the window manager has framed the window: the frame is larger than the client area and
// holds all of it. Asked only once the window is on screen: the manager maps a window after it has
// built its frame, while a frame asked for earlier may be reported, and kept, at a placeholder size.
bool hasFrame(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    if (!handle || !handle->isExposed())
        return false;
    const QRect frame = handle->frameGeometry();
    return frame.size() != handle->geometry().size() && frame.contains(handle->geometry());
}

// Where the frame of the given outer size goes on the window's screen; nullopt for a window that
// stays where it is (minimised, maximised or full screen) or has no screen.
std::optional<QPoint> frameOrigin(const QWidget& window, const QSize& outer) {
    if (window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return std::nullopt;
    const QScreen* display = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!display)
        return std::nullopt;
    const placement::Origin origin = placement::frameOrigin(
        area(display->geometry()), area(display->availableGeometry()), outer.width(), outer.height());
    return QPoint(origin.left, origin.top);
}

// Centres a window the window manager has just framed. The widget may learn of its frame only with
// its next move, so the native window, which knows it already, is moved by its frame.
void moveNewlyFramed(QWidget& window) {
    QWindow* handle = window.windowHandle();
    if (const auto origin = frameOrigin(window, handle->frameGeometry().size()))
        handle->setFramePosition(*origin);
}

// Watches a window until the window manager has framed it and it is on screen, then centres it by
// that frame and goes. The native window, which tells of its exposure, exists only once the window
// is shown; a window whose native window existed before it was placed keeps its client area where
// it was put and gets its frame around it, so no move tells of the frame, but the exposure does.
class FrameWatch : public QObject {
  public:
    explicit FrameWatch(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(kWatchName);
        window.installEventFilter(this);
        watchHandle();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show)
            watchHandle();
        const bool telling = type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize;
        if (telling && hasFrame(window_)) {
            window_.removeEventFilter(this);
            if (handle_)
                handle_->removeEventFilter(this);
            setObjectName(QString());
            moveNewlyFramed(window_);
            deleteLater();
        }
        return false;
    }

  private:
    void watchHandle() {
        QWindow* handle = window_.windowHandle();
        if (!handle || handle == handle_)
            return;
        handle_ = handle;
        handle->installEventFilter(this);
    }

    QWidget& window_;
    QPointer<QWindow> handle_;
};

} // namespace

void centreOnScreen(QWidget& window) {
    // A top-level widget's position is its frame's, or its client area's where it has no frame yet.
    const QSize outer = hasFrame(window) ? window.frameGeometry().size() : window.size();
    if (const auto origin = frameOrigin(window, outer))
        window.move(*origin);
    if (!hasFrame(window) && !window.findChild<QObject*>(kWatchName, Qt::FindDirectChildrenOnly))
        new FrameWatch(window);
}

} // namespace layout
