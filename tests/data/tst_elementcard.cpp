// SPDX-License-Identifier: GPL-3.0-or-later
// The element card: the element list's entry and its reading back for every element, and the 22
// box texts of three telling elements exactly as the detail panel shows them (given/card-boxes.csv).
#include "CsvTable.h"
#include "ElementFields.h"
#include "data/ElementCard.h"

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
    QTest::addColumn<CsvRow>("given");
    for (const CsvRow& row : readCsv(QStringLiteral(ORVANE_GIVEN_DIR "/card-boxes.csv")))
        QTest::newRow(qPrintable(row.value("case"))) << row;
}

void TestElementCard::boxTexts() {
    QFETCH(CsvRow, given);
    QCOMPARE(readCsv(QStringLiteral(ORVANE_GIVEN_DIR "/card-boxes.csv")).size(), 3);
    // Box 0 shows the CAS number, boxes 1 to 18 the record's fields of the same index, 19 to 21
    // the decoded lattice, state and origin.
    const QStringList boxes =
        QStringList{"casNumber"} + kFieldNames.mid(1, 18) + QStringList{"lattice", "state", "origin"};
    const auto shown = card::boxTexts(given.value("atomicNumber").toInt());
    QCOMPARE(int(shown.size()), boxes.size());
    for (int n = 0; n < boxes.size(); ++n) {
        const QString text = QString::fromStdString(shown[n]);
        QVERIFY2(text == given.value(boxes[n]),
                 qPrintable(boxes[n] + ": '" + text + "', given '" + given.value(boxes[n]) + "'"));
    }
    for (const std::string& text : card::boxTexts(0))
        QVERIFY(text.empty());
}

QTEST_APPLESS_MAIN(TestElementCard)
#include "tst_elementcard.moc"
