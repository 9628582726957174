// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the window shows fits where it is shown, measured with the real font, for all 118
// elements: the values in their boxes (or, past the narrowest font, in full as the box's tool
// tip), the card, the captions, the cells in both caption modes and the legends; and the borders of
// the labels that have one show.
#include "FormTestSupport.h"
#include "Legends.h"

#include "platform/Fonts.h"

#include <QAbstractButton>
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
    void cellCaptionsFit_data();
    void cellCaptionsFit();
    void bordersShow_data();
    void bordersShow();
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
                           name.startsWith(QLatin1String("lblfamilia")) || name.startsWith(QLatin1String("lbl(")) ||
                           name == QLatin1String("Label2") ||
                           name == QLatin1String("lblTit");
        if (!fixed || label->wordWrap())
            continue;
        // Inside the border, where a label has one.
        QVERIFY2(widthOf(label, label->text()) <= label->contentsRect().width(),
                 qPrintable(name + QLatin1String(": ") + label->text()));
    }
}

void TestLegibility::cellCaptionsFit_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("points");
    QTest::newRow("symbols only") << QStringLiteral("cmdSimb1") << 12;
    QTest::newRow("symbol and number") << QStringLiteral("cmdSimb2") << 8;
}

void TestLegibility::cellCaptionsFit() {
    QFETCH(QString, button);
    QFETCH(int, points);
    const auto window = makeWindow();
    window->show();
    QTest::mouseClick(child<QAbstractButton>(*window, button), Qt::LeftButton);
    int narrowed = 0;
    for (int i = 0; i < 118; ++i) {
        ElementCell* lbl = cell(*window, i);
        const bool wasHighlighted = lbl->isHighlighted();
        for (const bool highlighted : {false, true}) { // the selected cell's caption is bold
            lbl->setHighlighted(highlighted);
            const QFont shown = lbl->shownFont();
            QCOMPARE(shown.pixelSize(), platform::fontPx(points));
            QCOMPARE(shown.bold(), highlighted);
            for (const QString& line : lbl->text().split(QLatin1Char('\n')))
                QVERIFY2(QFontMetrics(shown).horizontalAdvance(line) <= lbl->captionRoom(),
                         qPrintable(QStringLiteral("%1 %2").arg(lbl->text(), highlighted ? "bold" : "")));
            narrowed += shown.stretch() != 0 && shown.stretch() < 100;
        }
        lbl->setHighlighted(wasHighlighted);
    }
    // Only the widest symbols in the large font are narrowed; the rest keep the font as it is.
    QVERIFY(points == 8 ? narrowed == 0 : narrowed > 0 && narrowed < 20);
}

void TestLegibility::bordersShow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("border"); // the label's text colour
    QTest::newRow("legend heading") << QStringLiteral("lblTit") << QColor(Qt::white);
    QTest::newRow("numbering heading") << QStringLiteral("Label2") << QColor(Qt::white);
    QTest::newRow("behind the navigator") << QStringLiteral("Label3") << QColor(Qt::black);
}

void TestLegibility::bordersShow() {
    QFETCH(QString, name);
    QFETCH(QColor, border);
    const auto window = makeWindow();
    window->show();
    auto* label = child<QLabel>(*window, name);
    const QImage drawn = label->grab().toImage();
    const int middle = drawn.height() / 2;
    for (const QPoint& edge : {QPoint(0, middle), QPoint(drawn.width() - 1, middle), QPoint(drawn.width() / 2, 0)})
        QCOMPARE(drawn.pixelColor(edge), border);
    // One pixel wide: the next pixel in is the label's own background, or nothing where it has none.
    QVERIFY(drawn.pixelColor(1, middle) != border);
}

QTEST_MAIN(TestLegibility)
#include "tst_legibility.moc"
