// SPDX-License-Identifier: GPL-3.0-or-later
// The element card: the element list's entry and its reading back for every element, and the 22
// box texts of three telling elements exactly as the detail panel shows them.
#include "ElementCard.h"

#include <QtTest>

class TestElementCard : public QObject {
    Q_OBJECT
  private slots:
    void entryTextRoundTrip();
    void boxTexts_data();
    void boxTexts();
};

void TestElementCard::entryTextRoundTrip() {
    QCOMPARE(card::entryText(26), std::string("Ferro - 026"));
    QCOMPARE(card::entryText(118), std::string("Unonóctio - 118"));
    QCOMPARE(card::cellToolTip(26), std::string("26 - Ferro"));
    for (int z = 1; z <= 118; ++z)
        QCOMPARE(card::atomicNumberOf(card::entryText(z)), std::optional(z));
    for (int z : {0, 119, -1})
        QVERIFY(card::entryText(z).empty());
    for (const char* entry : {"", "12", "Ferro - 000", "Ferro - 119", "Ferro - 2a6", "Ferro - -26"})
        QCOMPARE(card::atomicNumberOf(entry), std::nullopt);
}

void TestElementCard::boxTexts_data() {
    QTest::addColumn<int>("z");
    QTest::addColumn<QStringList>("texts"); // box 0 (CAS) to box 21
    // clang-format off
    QTest::newRow("iron") << 26 << QStringList{
        "7439-89-6", "26", "55,845(2)", "2,8,14,2", "[Ar] 3d6,4s2", "3d6", "1535 °C", "2750 °C", "7,86 g/cm³",
        "1,17 Å", "0,76E+2 / 0,64E+3", "1,26 Å", "7,1 cm³/mol", "1,83", "7,87 V", "11,2 E6/ohms/m", "---",
        "Na Antigüidade", "Iron", "Cúbica de Corpo Centrado", "Sólido", "Natural"};
    QTest::newRow("hydrogen: no conductivity") << 1 << QStringList{
        "1333-74-0", "1", "1,00794(7)", "1", "1s1", "1s1", "-259,14 °C", "-252,87 °C", "0,0000899 g/cm³",
        "0,32 Å", "2,08E-1", "2,08 Å", "14,1 cm³/mol", "2,20", "13,598 V", "---",
        "Do grego Hydro, 'gerar água'", "Henry Cavendish / 1766 - Robert Boyle / 1671 (Inglaterra)", "Hydrogen",
        "Hexagonal Composta", "Gasoso", "Natural"};
    QTest::newRow("118: the markers as they are") << 118 << QStringList{
        "54144-19-3", "118", "[294]", "2,8,18,32,32,18,8", "[Rn] 5f14,6d10,7s27p6", "---", "---", "---", "---",
        "---", "---", "---", "---", "---", "--- ", "---", "IUPAC - Do latim Unonoctium: um-um-oito.",
        "Dubna - Rússia e Lawrence em Berkeley - EUA / 2006", "Unonoctium", "---", "Gasoso (?)", "Artificial"};
    // clang-format on
}

void TestElementCard::boxTexts() {
    QFETCH(int, z);
    QFETCH(QStringList, texts);
    const auto shown = card::boxTexts(z);
    QCOMPARE(int(shown.size()), texts.size());
    for (std::size_t n = 0; n < shown.size(); ++n)
        QCOMPARE(QString::fromStdString(shown[n]), texts[int(n)]);
    for (const std::string& text : card::boxTexts(0))
        QVERIFY(text.empty());
}

QTEST_APPLESS_MAIN(TestElementCard)
#include "tst_elementcard.moc"
