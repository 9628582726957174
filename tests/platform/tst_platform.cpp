// SPDX-License-Identifier: GPL-3.0-or-later
// The thin platform layer: colours, twips, the handler-running list, read-only boxes, the font
// warm-up thread, where keeping windows on top is offered, a launch's time.
#include "platform/BgrColour.h"
#include "platform/EventComboBox.h"
#include "platform/FontConfigWarmUp.h"
#include "platform/Fonts.h"
#include "platform/OnTop.h"
#include "platform/ReadOnlyLineEdit.h"
#include "platform/StartupNotification.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>

using namespace platform;

class TestPlatform : public QObject {
    Q_OBJECT
  private slots:
    void colourValuesAreBgr();
    void twipsToPixels();
    void listStartsEmptyAndEveryChangeRunsTheHandler();
    void readOnlyBoxRefusesEditsButCopies();
    void fittedFontIsNarrowedJustEnough();
    void valueBoxHasSunkenEdgeUnlessTold();
    void warmUpThreadEndsWithItsOwner();
    void keepOnTopOfferedWhereItWorks_data();
    void keepOnTopOfferedWhereItWorks();
    void launchTimeFromTheStartupId_data();
    void launchTimeFromTheStartupId();
};

void TestPlatform::colourValuesAreBgr() {
    QCOMPARE(bgrColour(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(bgrColour(0xA09887), QColor(0x87, 0x98, 0xA0));
    QCOMPARE(toBgr(QColor(0x89, 0xD1, 0x00)), 0x00D189u);
    for (std::uint32_t value : {0x000000u, 0xFFFFFFu, 0x3B3322u, 0x2FFFADu})
        QCOMPARE(toBgr(bgrColour(value)), value);
}

void TestPlatform::twipsToPixels() {
    QCOMPARE(toPx(15), 1);
    QCOMPARE(toPx(390), 26);
    QCOMPARE(toPx(QSize(11355, 8130)), QSize(757, 542));
    QCOMPARE(twipsRect(390, 570, 435, 405), QRect(26, 38, 29, 27));
}

void TestPlatform::listStartsEmptyAndEveryChangeRunsTheHandler() {
    EventComboBox list;
    QSignalSpy clicks(&list, &EventComboBox::listClicked);
    list.appendSilently({"a", "b", "c"});
    QCOMPARE(list.listIndex(), -1);
    QCOMPARE(clicks.count(), 0);
    list.setListIndex(0); // the first element can be index 0 and still runs the handler
    QCOMPARE(clicks.count(), 1);
    list.setListIndex(2);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(list.currentText(), QStringLiteral("c"));
    // Assigning the index the list already has runs the handler too, once.
    list.setListIndex(2);
    QCOMPARE(clicks.count(), 3);
    // An index that is no entry is refused and runs nothing.
    list.setListIndex(3);
    list.setListIndex(-2);
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(list.listIndex(), 2);
    // The user's own change of entry runs it once as well.
    list.setCurrentIndex(1);
    QCOMPARE(clicks.count(), 4);
    list.stepListIndex(+5);
    QCOMPARE(clicks.count(), 4);
    list.appendSilently({"d"});
    QCOMPARE(list.listIndex(), 1);
    QCOMPARE(clicks.count(), 4);
}

void TestPlatform::readOnlyBoxRefusesEditsButCopies() {
    ReadOnlyLineEdit box;
    box.setText(QStringLiteral("1,00794(7)"));
    box.show();
    QTest::keyClicks(&box, "xyz");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Delete);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("1,00794(7)"));

    box.deselect();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
    QCOMPARE(box.selectedText(), box.text());
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1,00794(7)"));
    QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("1,00794(7)"));
}

void TestPlatform::fittedFontIsNarrowedJustEnough() {
    const QFont design = uiFont(8.25);
    const QString text = QStringLiteral("Semimetais (Metalóides)");
    const int natural = QFontMetrics(design).horizontalAdvance(text);
    QCOMPARE(fittedFont(design, text, natural), design); // fits: the very same font, no stretch set

    for (int room : {natural - 1, natural * 93 / 100, natural * 86 / 100}) {
        const QFont fitted = fittedFont(design, text, room);
        QVERIFY2(QFontMetrics(fitted).horizontalAdvance(text) <= room, qPrintable(QString::number(room)));
        QFont twoWider = fitted; // narrowed just enough: within one step of the widest that fits
        twoWider.setStretch(fitted.stretch() + 2);
        QVERIFY(QFontMetrics(twoWider).horizontalAdvance(text) > room);
    }
    QCOMPARE(fittedFont(design, text, natural / 2).stretch(), 85); // never narrower than 85 %
}

void TestPlatform::valueBoxHasSunkenEdgeUnlessTold() {
    ReadOnlyLineEdit box;
    box.resize(80, 24);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, Qt::black);
    box.setPalette(palette);
    const int y = box.height() / 2;
    const auto pixelsAt = [&](std::initializer_list<int> xs) {
        const QImage picture = box.grab().toImage();
        QList<QRgb> colours;
        for (int x : xs)
            colours << (picture.pixel(x, y) & 0xFFFFFF);
        return colours;
    };
    // Outer and inner line on the left, inner and outer on the right, and the black inside.
    QCOMPARE(pixelsAt({0, 1, 78, 79, 40}), (QList<QRgb>{0x808080, 0x404040, 0xD4D0C8, 0xFFFFFF, 0x000000}));
    const int roomWithEdge = box.textRoom();
    box.setEdge(false);
    QCOMPARE(pixelsAt({0, 1, 78, 79}), (QList<QRgb>{0, 0, 0, 0}));
    QCOMPARE(box.textRoom(), roomWithEdge + 4);
}

void TestPlatform::warmUpThreadEndsWithItsOwner() {
    // The work outlasts the start of the thread, so a wait that did not join would return first.
    for (const bool waitFirst : {true, false}) {
        auto finished = std::make_shared<std::atomic<bool>>(false);
        {
            platform::FontConfigWarmUp warmUp([finished] {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                *finished = true;
            });
            if (waitFirst) {
                warmUp.wait();
                QVERIFY(*finished);
            }
        }
        QVERIFY(*finished); // joined when its owner goes, or the program would end at once
    }
}

void TestPlatform::keepOnTopOfferedWhereItWorks_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<std::optional<bool>>("managerKeepsAbove"); // nullopt: no manager announces features
    QTest::addColumn<bool>("offered");
    // Every name of Qt's Wayland plugin: Wayland has no request to keep a window above others.
    for (const char* wayland :
         {"wayland", "wayland-egl", "wayland-brcm", "wayland-xcomposite-egl", "wayland-xcomposite-glx"})
        QTest::newRow(wayland) << QString::fromLatin1(wayland) << std::optional<bool>() << false;
    QTest::newRow("X11, manager keeps above") << QStringLiteral("xcb") << std::optional<bool>(true) << true;
    // Weston's manager for XWayland, for one, announces its features without it.
    QTest::newRow("X11, manager without it") << QStringLiteral("xcb") << std::optional<bool>(false) << false;
    QTest::newRow("X11, no manager says") << QStringLiteral("xcb") << std::optional<bool>() << true;
    QTest::newRow("offscreen") << QStringLiteral("offscreen") << std::optional<bool>() << true;
}

void TestPlatform::keepOnTopOfferedWhereItWorks() {
    QFETCH(QString, platform);
    QFETCH(std::optional<bool>, managerKeepsAbove);
    QFETCH(bool, offered);
    QCOMPARE(canKeepOnTop(platform, managerKeepsAbove), offered);
}

void TestPlatform::launchTimeFromTheStartupId_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<std::optional<quint32>>("time");
    using Time = std::optional<quint32>;
    QTest::newRow("launcher's id") << QStringLiteral("xfce4-panel/1234-5-host_TIME123") << Time(123);
    QTest::newRow("the last mark counts") << QStringLiteral("a_TIME5_TIME7") << Time(7);
    QTest::newRow("largest X time") << QStringLiteral("x_TIME4294967295") << Time(4294967295u);
    QTest::newRow("past 32 bits") << QStringLiteral("x_TIME4294967296") << Time();
    QTest::newRow("not only digits") << QStringLiteral("x_TIME12ab") << Time();
    QTest::newRow("a sign") << QStringLiteral("x_TIME+12") << Time();
    QTest::newRow("no mark") << QStringLiteral("gnome-shell-1234") << Time();
}

void TestPlatform::launchTimeFromTheStartupId() {
    QFETCH(QString, id);
    QFETCH(std::optional<quint32>, time);
    QCOMPARE(launch::launchTime(id), time);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
