// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window's frame opens: centred on the screen, kept inside the area the panels leave, and,
// where it is larger than that area, with its top-left corner at the area's top-left.
#include "data/WindowPlacement.h"

#include <QtTest>

using placement::Area;

class TestWindowPlacement : public QObject {
    Q_OBJECT
  private slots:
    void frameOrigin_data();
    void frameOrigin();
};

void TestWindowPlacement::frameOrigin_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("origin");
    const QRect fullHd(0, 0, 1920, 1080);
    const QRect underTopBar(0, 32, 1920, 1048);
    // clang-format off
    QTest::newRow("centred")              << fullHd << fullHd << QSize(759, 567) << QPoint(580, 256);
    QTest::newRow("odd remainder down")   << fullHd << fullHd << QSize(759, 568) << QPoint(580, 256);
    QTest::newRow("second screen")        << QRect(1920, 0, 1366, 768) << QRect(1920, 0, 1366, 728)
                                          << QSize(583, 312) << QPoint(2311, 228);
    QTest::newRow("as large as the area") << fullHd << underTopBar << QSize(1920, 1048) << QPoint(0, 32);
    QTest::newRow("pushed below the bar") << fullHd << underTopBar << QSize(800, 1030) << QPoint(560, 32);
    QTest::newRow("pushed above a panel") << fullHd << QRect(0, 0, 1920, 1040) << QSize(800, 1030) << QPoint(560, 10);
    // 2x scale: the main window is 1109 px tall with its frame.
    QTest::newRow("too tall")             << fullHd << underTopBar << QSize(1518, 1109) << QPoint(201, 32);
    QTest::newRow("too wide")             << QRect(0, 0, 1366, 768) << QRect(0, 0, 1366, 728)
                                          << QSize(1518, 600) << QPoint(0, 84);
    QTest::newRow("too large both ways")  << QRect(0, 0, 1366, 768) << QRect(48, 24, 1318, 744)
                                          << QSize(1518, 1109) << QPoint(48, 24);
    // clang-format on
}

void TestWindowPlacement::frameOrigin() {
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QSize, frame);
    QFETCH(QPoint, origin);
    const auto area = [](const QRect& r) { return Area{r.x(), r.y(), r.width(), r.height()}; };
    const placement::Origin placed = placement::frameOrigin(area(screen), area(available), frame.width(), frame.height());
    QCOMPARE(QPoint(placed.left, placed.top), origin);
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
