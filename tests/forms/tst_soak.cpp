// SPDX-License-Identifier: GPL-3.0-or-later
// A run of the animation with random arrow keys and view changes (2,000 ticks, or
// ORVANE_SOAK_TICKS): after every tick exactly one cell is highlighted and framed, at most one
// legend shows, the cells' captions and the window's caption are as they must be, and the memory
// the program holds does not grow.
#include "FormTestSupport.h"
#include "Legends.h"

#include <QFile>
#include <QLineEdit>

namespace {

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = status.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toLong() * 4 : 0;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
  private slots:
    void animationWithKeysAndViews();
};

void TestSoak::animationWithKeysAndViews() {
    const int ticks = qEnvironmentVariableIntValue("ORVANE_SOAK_TICKS") > 0
                          ? qEnvironmentVariableIntValue("ORVANE_SOAK_TICKS")
                          : 2000;
    auto window = makeWindow(3);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* search = child<QLineEdit>(*window, "txtBusca");
    search->setFocus();
    auto* views = list(*window, "cmbTab");
    QWidget* frame = child(*window, "shpSelecao");
    QStringList captions;
    for (int i = 0; i < 118; ++i)
        captions << cell(*window, i)->text();
    const Qt::Key arrows[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down};
    RandomSource random(11);
    long memoryAfterWarmUp = 0;
    for (int tick = 0; tick < ticks; ++tick) {
        for (int press = random.nearestOfScaled(2); press > 0; --press)
            QTest::keyClick(search, arrows[random.nearestOfScaled(3)]);
        window->tmtKeys_Timer();
        if (random.next() < 0.2)
            views->setListIndex(random.nearestOfScaled(25));
        if (random.next() < 0.5)
            window->tmp_Timer();
        if (tick % 100 == 0)
            QCoreApplication::processEvents();

        const int selected = window->selectedIndex();
        int highlighted = 0;
        for (int i = 0; i < 118; ++i)
            highlighted += cell(*window, i)->isHighlighted();
        QVERIFY2(highlighted == 1 && cell(*window, selected)->isHighlighted(), qPrintable(QString::number(tick)));
        QVERIFY(frame->geometry().contains(cell(*window, selected)->geometry()));
        int legends = 0;
        for (int n = 0; n < legends::kPanelCount; ++n)
            legends += child(*window, QStringLiteral("pctLeg(%1)").arg(n))->isVisibleTo(window.get());
        QVERIFY(legends <= 1);
        QCOMPARE(window->windowTitle(), QStringLiteral(" Orvane - ") + views->currentText());
        if (tick % 1000 == 0) {
            for (int i = 0; i < 118; ++i)
                QCOMPARE(cell(*window, i)->text(), captions[i]);
        }
        if (tick == ticks / 10)
            memoryAfterWarmUp = residentKiB();
    }
    QCoreApplication::processEvents();
    const long growth = residentKiB() - memoryAfterWarmUp;
    qInfo("%d ticks; resident memory grew %ld KiB after the first tenth", ticks, growth);
#ifndef __SANITIZE_ADDRESS__ // AddressSanitizer holds freed memory back on purpose; it checks leaks itself
    QVERIFY2(growth < 2048, qPrintable(QString::number(growth)));
#endif
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
