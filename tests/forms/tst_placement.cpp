// SPDX-License-Identifier: GPL-3.0-or-later
// Where the windows open: each one's outer frame centred on the screen. Under a window manager the
// frame is the manager's, and the window must be centred by it once it has one; without one (the
// offscreen platform) the client area is the frame. A window larger than the screen opens with its
// frame at the top-left of the available area.
#include "FormTestSupport.h"
#include "forms/about/frmSobre.h"
#include "forms/common/Placement.h"
#include "forms/info/frm2.h"
#include "forms/report/frm3.h"

#include <QScreen>

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

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void framesOpenCentred_data();
    void framesOpenCentred();
    void tooLargeOpensAtTopLeft();
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
    const auto within1px = [&] {
        const QPoint off = offCentreTwice(*window);
        return std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2;
    };
    QTRY_VERIFY2(within1px(), qPrintable(QStringLiteral("frame %1,%2 %3x%4")
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

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
