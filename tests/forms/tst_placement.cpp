// SPDX-License-Identifier: GPL-3.0-or-later
// Where the windows open: each one's outer frame centred on the screen. Under a window manager the
// frame is the manager's, and the window must be centred by it once it has one; without one (the
// offscreen platform) the client area is the frame. A window larger than the screen opens with its
// frame at the top-left of the available area. Under the manager, the main window's border cannot be
// dragged to another size, while maximising still works.
#include "FormTestSupport.h"
#include "forms/about/frmSobre.h"
#include "forms/common/Placement.h"
#include "forms/info/frm2.h"
#include "forms/report/frm3.h"

#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

using Make = std::function<std::unique_ptr<QWidget>()>;

bool underWindowManager() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Twice the distance, in pixels, between the frame's centre and the screen's, along each axis.
QPoint offCentreTwice(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect screen = window.screen()->geometry();
    return QPoint(2 * frame.x() + frame.width() - 2 * screen.x() - screen.width(),
                  2 * frame.y() + frame.height() - 2 * screen.y() - screen.height());
}

bool centred(const QWidget& window) {
    const QPoint off = offCentreTwice(window);
    return std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2;
}

bool xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QStringList moveTo(QPoint point) {
    return {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())};
}

// A window as the X server and the window manager see it, on a connection of the test's own: every
// size the window is given (Qt passes on only the last of those that come together), and the
// manager's own resize from the frame's corner.
class XWindowWatch {
  public:
    explicit XWindowWatch(const QWidget& window)
        : c_(xcb_connect(nullptr, nullptr)), window_(xcb_window_t(window.winId())) {
        const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_FOCUS_CHANGE;
        xcb_change_window_attributes(c_, window_, XCB_CW_EVENT_MASK, &mask);
        std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
    }
    ~XWindowWatch() { xcb_disconnect(c_); }
    XWindowWatch(const XWindowWatch&) = delete;
    XWindowWatch& operator=(const XWindowWatch&) = delete;

    // The sizes the window was given since the watch began, in order.
    const QList<QSize>& sizes() {
        read();
        return sizes_;
    }

    // Asks the window manager to resize the (active) window from its bottom-right corner, starting
    // at the given screen point (_NET_WM_MOVERESIZE). Returns once the
    // manager holds the pointer and the keyboard for it, which takes the focus from the window for a
    // grab; input that comes later goes to the manager, in order. False if that never happens.
    bool startCornerResize(QPoint at) {
        const QByteArray name("_NET_WM_MOVERESIZE");
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, std::uint16_t(name.size()), name.constData()), nullptr);
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window_;
        event.type = atom ? atom->atom : 0;
        std::free(atom);
        constexpr std::uint32_t kBottomRight = 4;
        event.data.data32[0] = std::uint32_t(at.x());
        event.data.data32[1] = std::uint32_t(at.y());
        event.data.data32[2] = kBottomRight;
        event.data.data32[3] = 1; // the button held
        event.data.data32[4] = 1; // asked by an application
        xcb_send_event(c_, 0, xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(c_);
        return QTest::qWaitFor([this] {
            read();
            return grabbed_;
        });
    }

  private:
    void read() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c_)) {
            const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
            const auto* focus = reinterpret_cast<const xcb_focus_out_event_t*>(event);
            if ((event->response_type & 0x7F) == XCB_CONFIGURE_NOTIFY && configure->window == window_)
                sizes_ << QSize(configure->width, configure->height);
            if ((event->response_type & 0x7F) == XCB_FOCUS_OUT && focus->mode == XCB_NOTIFY_MODE_GRAB)
                grabbed_ = true;
            std::free(event);
        }
    }

    xcb_connection_t* c_;
    xcb_window_t window_;
    QList<QSize> sizes_;
    bool grabbed_ = false;
};

// Drags the frame's bottom-right corner by the given distance with the window manager's own resize,
// as a user's hand would: the pointer on the corner grip, the resize started there, two moves, and
// Return to end it. The resize is asked for rather than started by a press, as the manager would
// start it at the first move it reads and take only the last of the moves that have come by then;
// it ends with Return, as the manager may ignore a button let go over a window. xdotool's last
// command waits for the X server, so the input is all on its way when this returns; false if a
// step failed.
bool dragCorner(const QWidget& window, XWindowWatch& watch, QPoint by) {
    const QPoint grip = window.frameGeometry().bottomRight() - QPoint(2, 2);
    if (!xdotool(moveTo(grip)) || !watch.startCornerResize(grip))
        return false;
    return xdotool(
        moveTo(grip + by / 2) + moveTo(grip + by) +
        QStringList{QStringLiteral("key"), QStringLiteral("Return"), QStringLiteral("getmouselocation")});
}

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void framesOpenCentred_data();
    void framesOpenCentred();
    void tooLargeOpensAtTopLeft();
    void borderDragKeepsTheSize_data();
    void borderDragKeepsTheSize();
    void alwaysOnTopOffered();
};

void TestPlacement::initTestCase() {
    if (!underWindowManager())
        return;
    // The window manager may still be starting: wait until it frames a window of its own.
    QWidget probe;
    probe.resize(100, 100);
    probe.show();
    QTRY_VERIFY_WITH_TIMEOUT(probe.frameGeometry().size() != probe.size(), 20000);
}

void TestPlacement::framesOpenCentred_data() {
    QTest::addColumn<Make>("make");
    QTest::newRow("frm1") << Make([] { return std::unique_ptr<QWidget>(makeWindow()); });
    QTest::newRow("frm3") << Make([] { return std::make_unique<frm3>(nullptr); });
    QTest::newRow("frmSobre") << Make([] { return std::make_unique<frmSobre>(nullptr); });
    QTest::newRow("frm2") << Make([] {
        auto window = std::make_unique<frm2>(nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        return window;
    });
}

void TestPlacement::framesOpenCentred() {
    QFETCH(Make, make);
    const auto window = make();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    if (underWindowManager()) // the frame comes from the manager some time after the window maps
        QTRY_VERIFY(window->frameGeometry().size() != window->size());
    QTRY_VERIFY2(centred(*window), qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                                                  .arg(window->frameGeometry().x())
                                                  .arg(window->frameGeometry().y())
                                                  .arg(window->frameGeometry().width())
                                                  .arg(window->frameGeometry().height())));
}

void TestPlacement::tooLargeOpensAtTopLeft() {
    QWidget window;
    const QRect available = window.screen()->availableGeometry();
    window.resize(available.width() + 200, available.height() + 100);
    layout::centreOnScreen(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.frameGeometry().topLeft(), available.topLeft());
}

void TestPlacement::borderDragKeepsTheSize_data() {
    QTest::addColumn<Make>("make");
    QTest::addColumn<QPoint>("drag"); // of the frame's bottom-right corner
    QTest::addColumn<bool>("fixed");
    const Make main([] { return std::unique_ptr<QWidget>(makeWindow()); });
    QTest::newRow("frm1, outward") << main << QPoint(120, 90) << true;
    QTest::newRow("frm1, inward") << main << QPoint(-280, -210) << true;
    // The same drag on an ordinary window shows that it takes hold of the manager's corner grip.
    QTest::newRow("an ordinary window grows") << Make([] {
        auto window = std::make_unique<QWidget>();
        window->resize(400, 300);
        return window;
    }) << QPoint(120, 90) << false;
}

void TestPlacement::borderDragKeepsTheSize() {
    QFETCH(Make, make);
    QFETCH(QPoint, drag);
    QFETCH(bool, fixed);
    if (!underWindowManager())
        QSKIP("Only a window manager's frame can be dragged");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed (apt-get install xdotool)");
    const auto window = make();
    layout::centreOnScreen(*window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // Framed, centred by its frame (so the corner grip is where it stays) and active.
    QTRY_VERIFY(window->frameGeometry().size() != window->size() && centred(*window));
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QSize before = window->size();
    XWindowWatch watch(*window);

    QVERIFY(dragCorner(*window, watch, drag));
    // The manager takes the request to maximise after the whole drag, so the sizes up to the
    // maximised one are all that the drag gave the window.
    window->showMaximized();
    // Maximised: larger than the drag could make it.
    const QSize reach = before + QSize(std::max(drag.x(), 0), std::max(drag.y(), 0));
    QTRY_VERIFY(window->isMaximized() && !watch.sizes().isEmpty() && watch.sizes().last() == window->size() &&
                window->width() > reach.width() && window->height() > reach.height());
    QList<QSize> dragged = watch.sizes();
    while (!dragged.isEmpty() && dragged.last() == window->size())
        dragged.removeLast();
    if (fixed) {
        for (const QSize& size : dragged)
            QCOMPARE(size, before);
        window->showNormal();
        QTRY_VERIFY(!window->isMaximized() && window->size() == before && centred(*window));
    } else {
        QVERIFY(!dragged.isEmpty());
        QCOMPARE(dragged.last(), before + QSize(drag.x(), drag.y()));
    }
}

void TestPlacement::alwaysOnTopOffered() {
    // Offscreen as under openbox, which keeps windows above others on request.
    const std::unique_ptr<frm1> window(makeWindow());
    QVERIFY(child<QPushButton>(*window, QStringLiteral("chkOnTop"))->isEnabled());
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
