// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the window shows fits where it is shown, measured with the real font, for all 118
// elements: the values in their boxes (or, past the narrowest font, in full as the box's tool
// tip), the card, the captions, the cells and the legends.
#include "FormTestSupport.h"
#include "Legends.h"

#include <QLabel>

namespace {

int widthOf(const QWidget* widget, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, QFontMetrics(widget->font()).horizontalAdvance(line));
    return widest;
}

} // namespace

class TestLegibility : public QObject {
    Q_OBJECT
  private slots:
    void everyValueFitsOrShowsWhole();
    void fixedTextsFit();
};

void TestLegibility::everyValueFitsOrShowsWhole() {
    const auto window = makeWindow();
    window->show();
    int narrowed = 0;
    int tipped = 0;
    for (int index = 0; index < 118; ++index) {
        list(*window, "cmbN")->setListIndex(index);
        for (int n = 0; n < 22; ++n) {
            auto* value = box(*window, n);
            const bool fits = widthOf(value, value->text()) <= value->textRoom();
            QVERIFY2(fits || value->toolTip() == value->text(),
                     qPrintable(QStringLiteral("%1 box %2: %3").arg(index + 1).arg(n).arg(value->text())));
            narrowed += value->font().stretch() != 0 && value->font().stretch() < 100;
            tipped += !fits;
        }
        for (const char* name : {"lblA", "lblSimb", "lblZ"}) {
            const auto* card = child<QLabel>(*window, QString::fromLatin1(name));
            QVERIFY2(widthOf(card, card->text()) <= card->width(), qPrintable(card->text()));
        }
    }
    // Gold's mass and the longest discoveries need it; most values fit as they are.
    QVERIFY(narrowed > 0 && tipped > 0 && tipped < 40);
    // A value that fits again gives the box its own tip back.
    list(*window, "cmbN")->setListIndex(112);
    list(*window, "cmbN")->setListIndex(25);
    QCOMPARE(box(*window, 17)->toolTip(), QString());
    QCOMPARE(box(*window, 6)->toolTip(), QStringLiteral("grau(s) Celsius"));
}

void TestLegibility::fixedTextsFit() {
    const auto window = makeWindow();
    window->show();
    for (int n = 0; n < 9; ++n) // each legend panel builds its rows when it first shows
        child(*window, QStringLiteral("pctLeg(%1)").arg(n))->show();
    QCOMPARE(window->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lblClass"))).size(), 63);
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QString name = label->objectName();
        const bool fixed = name.startsWith(QLatin1String("lblNome")) || name.startsWith(QLatin1String("lblClass")) ||
                           name.startsWith(QLatin1String("lblfamilia")) || name.startsWith(QLatin1String("lbl("));
        if (!fixed || label->wordWrap())
            continue;
        QVERIFY2(widthOf(label, label->text()) <= label->width(), qPrintable(name + QLatin1String(": ") + label->text()));
    }
}

QTEST_MAIN(TestLegibility)
#include "tst_legibility.moc"
