// SPDX-License-Identifier: GPL-3.0-or-later
// Every tool tip of every window, control by control, against the layout written out as data; and
// the picture controls that a screen reader knows by their tool tip.
#include "FormTestSupport.h"
#include "LayoutData.h"
#include "forms/about/frmSobre.h"
#include "forms/info/frm2.h"
#include "forms/report/frm3.h"

#include <QAccessible>

namespace {

// The tool tip the layout gives a control of a window; the cells lbl(*) read their atomic number,
// " - " and the element's name, the headings lblfamilia(*) "Grupos". Controls the layout gives no
// tip have none; the report, About and information windows have none at all.
QString expectedTip(const QString& window, const QString& control) {
    static const QRegularExpression cellName(QStringLiteral("^lbl\\((\\d+)\\)$"));
    if (window != QLatin1String("frm1"))
        return {};
    if (const auto cell = cellName.match(control); cell.hasMatch()) {
        const int i = cell.captured(1).toInt();
        return QStringLiteral("%1 - %2").arg(i + 1).arg(layoutTable("cells.csv")[i].value("name"));
    }
    if (control.startsWith(QLatin1String("lblfamilia(")))
        return QStringLiteral("Grupos");
    for (const CsvRow& row : layoutTable("controls.csv"))
        if (row.value("window") == window && row.value("name") == control)
            return row.value("tip");
    return {};
}

// A control that shows a picture instead of a caption is announced by its tool tip.
bool namedByItsTip(const QString& control) {
    for (const CsvRow& row : layoutTable("controls.csv"))
        if (row.value("window") == QLatin1String("frm1") && row.value("name") == control)
            return row.value("picture") == u'1';
    return false;
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT
  private slots:
    void everyToolTip_data();
    void everyToolTip();
};

void TestTexts::everyToolTip_data() {
    QTest::addColumn<QString>("window");
    for (const char* window : {"frm1", "frm3", "frmSobre", "frm2"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TestTexts::everyToolTip() {
    QFETCH(QString, window);
    const auto main = makeWindow();
    std::unique_ptr<QWidget> other;
    if (window == QLatin1String("frm3"))
        other = std::make_unique<frm3>(main.get());
    else if (window == QLatin1String("frmSobre"))
        other = std::make_unique<frmSobre>(main.get());
    else if (window == QLatin1String("frm2"))
        other = std::make_unique<frm2>(main.get());
    QWidget* shown = other ? other.get() : main.get();
    QCOMPARE(shown->objectName(), window);

    int tipped = 0;
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        if (control->window() != shown)
            continue; // another window parented to this one
        const QString name = control->objectName();
        QVERIFY2(!name.isEmpty() || control->toolTip().isEmpty(), qPrintable(control->toolTip()));
        QCOMPARE(control->toolTip(), expectedTip(window, name));
        tipped += !control->toolTip().isEmpty();
        if (namedByItsTip(name)) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), control->toolTip());
        }
    }
    // The drawn table's parts: each shows its tool tip where the pointer rests on it.
    if (shown == main.get()) {
        const PeriodicTable& drawn = *table(*main);
        const struct {
            const char* name;
            int count;
        } arrays[] = {{"lbl", PeriodicTable::kCellCount},
                      {"lblPeriodo", PeriodicTable::kPeriodCount},
                      {"lblfamilia", PeriodicTable::kHeadingCount}};
        for (const auto& array : arrays) {
            for (int n = 0; n < array.count; ++n) {
                const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array.name)).arg(n);
                const auto part = tablePart(*main, name);
                QVERIFY2(part, qPrintable(name));
                QCOMPARE(part->toolTip, expectedTip(window, name));
                const auto pointed = drawn.partAt(part->place.center());
                QVERIFY2(pointed, qPrintable(name));
                QCOMPARE(pointed->toolTip, expectedTip(window, name));
                tipped += !part->toolTip.isEmpty();
            }
        }
    }
    // Every tip the layout gives is on a control the window has.
    int given = 0;
    for (const CsvRow& row : layoutTable("controls.csv"))
        given += row.value("window") == window && !row.value("tip").isEmpty();
    QCOMPARE(tipped, given + (window == QLatin1String("frm1")
                                  ? PeriodicTable::kCellCount + PeriodicTable::kHeadingCount
                                  : 0));
}

QTEST_MAIN(TestTexts)
#include "tst_texts.moc"
