// SPDX-License-Identifier: GPL-3.0-or-later
// How long texts are made to fit, measured with the real font: a value too wide for its box is drawn
// narrower or, past the narrowest font, shown whole in the box's tool tip; every cell's caption
// fits, bold too, in both caption modes; the borders of the labels that have one show. (That every text shown lies inside its place, and
// that the supplied rows fit their boxes at the boxes' own fonts, is checked where the windows are
// painted.)
#include "FormTestSupport.h"

#include "platform/Fonts.h"

#include <QLabel>
#include <QPushButton>

namespace {

int widthOf(const QFont& font, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
    return widest;
}

int widthOf(const QWidget* widget, const QString& text) {
    return widthOf(widget->font(), text);
}

} // namespace

class TestLegibility : public QObject {
    Q_OBJECT
  private slots:
    void everyValueFitsOrShowsWhole();
    void cellCaptionsFit_data();
    void cellCaptionsFit();
    void bordersShow_data();
    void bordersShow();
};

void TestLegibility::everyValueFitsOrShowsWhole() {
    // (That every element's values fit their boxes is checked where they are painted.)
    const auto window = makeWindow();
    window->show();
    // A value a little too wide is drawn narrower and needs no tip; one past the narrowest font
    // shows whole in the tip; one that fits again gives the box its own font and tip back.
    auto* discovery = box(*window, 17);
    const QString slightlyLong =
        QStringLiteral("Andrés Manuel del Río / 1801 - Nils Gabriel Sefström / 1830");
    const int room = discovery->textRoom();
    const int fullWidth = QFontMetrics(discovery->ownFont()).horizontalAdvance(slightlyLong);
    QVERIFY(fullWidth > room && fullWidth * 85 < room * 100);
    discovery->showValue(slightlyLong);
    QVERIFY(discovery->font().stretch() >= 85 && discovery->font().stretch() < 100);
    QVERIFY(widthOf(discovery, slightlyLong) <= room);
    QCOMPARE(discovery->toolTip(), QString());
    const QString tooLong = QStringLiteral("Nome Sobrenome, ").repeated(8) + QStringLiteral("et al. / 1950");
    discovery->showValue(tooLong);
    QVERIFY(widthOf(discovery, tooLong) > room);
    QCOMPARE(discovery->font().stretch(), 85);
    QCOMPARE(discovery->toolTip(), tooLong);
    list(*window, "cmbN")->setListIndex(25);
    QCOMPARE(discovery->toolTip(), QString());
    QCOMPARE(discovery->font(), discovery->ownFont());
    QCOMPARE(box(*window, 6)->toolTip(), QStringLiteral("grau(s) Celsius"));
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
    PeriodicTable* cells = table(*window);
    for (int i = 0; i < 118; ++i) {
        const bool wasHighlighted = cells->isHighlighted(i);
        for (const bool highlighted : {false, true}) { // the selected cell's caption is bold
            cells->setHighlighted(i, highlighted);
            const QFont shown = cells->shownFont(i);
            QCOMPARE(shown.pixelSize(), platform::fontPx(points));
            QCOMPARE(shown.bold(), highlighted);
            // The highlighted cell's border takes one pixel on either side.
            const int room = cells->cellRect(i).width() - 2;
            for (const QString& line : cells->text(i).split(QLatin1Char('\n')))
                QVERIFY2(QFontMetrics(shown).horizontalAdvance(line) <= room,
                         qPrintable(QStringLiteral("%1 %2").arg(cells->text(i), highlighted ? "bold" : "")));
            narrowed += shown.stretch() != 0 && shown.stretch() < 100;
        }
        cells->setHighlighted(i, wasHighlighted);
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
