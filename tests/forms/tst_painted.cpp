// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows paint, recorded as texts, fills, outlines and pictures, against their layout
// written out as data in tests/data/layout: each control's place, colours, caption, font,
// alignment, border and picture, with every text inside its place, for every element shown; the
// 118 cells in both caption modes; the headings in both numberings; every view's legend and
// colours; the report, the About window, and the information window with its comparison picture.
#include "FormTestSupport.h"
#include "LayoutData.h"
#include "PaintRecord.h"
#include "data/ElementTable.h"
#include "data/ValueDecoders.h"
#include "data/Views.h"
#include "forms/about/frmSobre.h"
#include "forms/info/frm2.h"
#include "platform/BgrColour.h"
#include "platform/Fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// "&HBBGGRR", red in the low byte, and back.
QColor colour(const QString& written) {
    const uint value = written.mid(2).toUInt(nullptr, 16);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
QString written(const QColor& c) {
    return QStringLiteral("&H%1").arg((c.blue() << 16) | (c.green() << 8) | c.red(), 6, 16, QChar(u'0'));
}

// Twips to the window's pixels, 15 twips a pixel at 96 dpi. A row without a height is a one-line
// label, 255 twips high.
QRectF pixels(double left, double top, double width, double height) {
    return {left / 15, top / 15, width / 15, height / 15};
}
QRectF pixels(const CsvRow& row, QPointF origin = {}) {
    const QString height = row.value("height");
    return pixels(row.value("left").toDouble(), row.value("top").toDouble(), row.value("width").toDouble(),
                  height.isEmpty() ? 255 : height.toDouble())
        .translated(origin);
}
const QPointF kTableOrigin = pixels(180 + 30, 0, 0, 0).topLeft(); // pctTabela, inside picTela

QString elementText(int z, TPDEQ::ElementField field) {
    const std::string_view text = TPDEQ::ElementText(std::int16_t(z), field);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Detail box n of element z: the record's field, with "," for "." in the mass and the measured
// values and the unit after a conductivity; the three derived properties; the CAS number in box 0.
QString boxText(int z, int n) {
    if (n == 0)
        return elementText(z, TPDEQ::ElementField::casNumber);
    if (n >= 19)
        return QString::fromStdString(n == 19   ? TPDEQ::LatticeName(std::int16_t(z))
                                      : n == 20 ? TPDEQ::StateName(std::int16_t(z))
                                                : TPDEQ::OriginName(std::int16_t(z)));
    QString text = elementText(z, TPDEQ::ElementField(n));
    if (n == 2 || (n >= 6 && n <= 15))
        text.replace(u'.', u',');
    return n == 15 && text != QLatin1String("---") ? text + QLatin1String(" E6/ohms/m") : text;
}

// What a person should see in the main window: the element, the caption mode, the view.
struct Shown {
    int z = 1;
    bool numbers = true;
    QString view = QStringLiteral("Propriedades");
};

// A caption of the layout with its placeholder filled in; "*" stands for any text.
QString caption(const QString& written, const Shown& shown) {
    if (!written.startsWith(u'{') || !written.endsWith(u'}'))
        return written;
    const QString inner = written.mid(1, written.size() - 2);
    const QString key = inner.section(u':', 0, 0);
    if (key == QLatin1String("symbol"))
        return layoutTable("cells.csv")[shown.z - 1].value("symbol");
    if (key == QLatin1String("z"))
        return QString::number(shown.z);
    if (key == QLatin1String("box"))
        return boxText(shown.z, inner.section(u':', 1).toInt());
    if (key == QLatin1String("entry"))
        return elementText(shown.z, TPDEQ::ElementField::name) +
               QStringLiteral(" - %1").arg(shown.z, 3, 10, QChar(u'0'));
    return key == QLatin1String("view") ? shown.view : QStringLiteral("*");
}

// Whether an item covers just the place, within a pixel at each edge.
bool coversPlace(const QRectF& r, const QRectF& place) {
    return std::abs(r.left() - place.left()) <= 1 && std::abs(r.top() - place.top()) <= 1 &&
           std::abs(r.right() - place.right()) <= 1.5 && std::abs(r.bottom() - place.bottom()) <= 1.5;
}

// What differs between a row of the layout and what was painted at its place, in words; empty
// when nothing does. Points and texts inside `over` (what lies over the control) are not its own.
QStringList differences(const PaintRecord& record, const CsvRow& row, const QRectF& place,
                        const QList<QRectF>& over, const QString& expected) {
    QStringList found;
    const auto note = [&](const QString& what) { found << row.value("name") + QStringLiteral(": ") + what; };
    const auto own = [&](QPointF point) {
        return record.area.contains(point) &&
               std::none_of(over.begin(), over.end(),
                            [&](const QRectF& other) { return other.contains(point); });
    };
    const auto seen = [&](QPointF point) { return record.colourAt(point).value_or(QColor()).name(); };
    if (const QString back = row.value("back"); !back.isEmpty()) {
        const QRectF inner = place.adjusted(3, 3, -3, -3); // inside any edge or border line
        for (const QPointF point :
             {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()})
            if (own(point) && record.colourAt(point) != colour(back))
                note(QStringLiteral("%1 at %2,%3").arg(seen(point)).arg(point.x()).arg(point.y()));
    }
    // The texts: the caption, each line inside the place (inside its border), in its font and colour.
    const double inset = row.value("border") == u'1' ? 1 : 0;
    QStringList lines;
    QRectF united;
    for (const Painted& text : record.textsIn(place)) {
        if (!own(text.rect.center()))
            continue;
        lines << text.text;
        united |= text.rect;
        const QString points = row.value("points");
        const QString bold = row.value("bold");
        const QString fore = row.value("fore");
        if ((!points.isEmpty() && text.font.pixelSize() != std::lround(points.toDouble() * 96 / 72)) ||
            (!bold.isEmpty() && text.font.bold() != (bold == u'1')) ||
            (!fore.isEmpty() && text.colour != colour(fore)) ||
            text.rect.left() < place.left() + inset - 0.5 || text.rect.right() > place.right() - inset + 0.5)
            note(QStringLiteral("\"%1\" %2 px%3 %4 at %5 ... %6")
                     .arg(text.text)
                     .arg(text.font.pixelSize())
                     .arg(text.font.bold() ? QStringLiteral(" bold") : QString(), written(text.colour))
                     .arg(text.rect.left())
                     .arg(text.rect.right()));
    }
    const QString painted = lines.join(u' ').simplified();
    if (!expected.isEmpty() && (expected == u'*' ? painted.isEmpty() : painted != expected.simplified()))
        note(QStringLiteral("shows \"%1\", not \"%2\"").arg(painted, expected));
    const QString align = row.value("align");
    const double gap = align == u'L' ? united.left() - place.left() : place.right() - united.right();
    if (!lines.isEmpty() && ((align == u'C' && std::abs(united.center().x() - place.center().x()) > 2) ||
                             (align != u'C' && !align.isEmpty() && gap > 4)))
        note(QStringLiteral("text at %1 ... %2, not aligned %3")
                 .arg(united.left())
                 .arg(united.right())
                 .arg(align));
    // A border: a one-pixel outline around the place, or edges of another colour than the pixels
    // just inside them on all four sides.
    const auto drawn = [&](Painted::Kind kind, double grow) {
        return std::any_of(record.items.begin(), record.items.end(), [&](const Painted& item) {
            return item.kind == kind && coversPlace(item.rect.adjusted(0, 0, grow, grow), place);
        });
    };
    if (const QString border = row.value("border"); !border.isEmpty()) {
        const QPointF m = place.center();
        const QRectF edge = place.adjusted(0.5, 0.5, -0.5, -0.5);
        const QRectF in = place.adjusted(1.5, 1.5, -1.5, -1.5);
        bool lined = true;
        for (const auto& [a, b] : {std::pair{QPointF(m.x(), edge.top()), QPointF(m.x(), in.top())},
                                   {QPointF(m.x(), edge.bottom()), QPointF(m.x(), in.bottom())},
                                   {QPointF(edge.left(), m.y()), QPointF(in.left(), m.y())},
                                   {QPointF(edge.right(), m.y()), QPointF(in.right(), m.y())}})
            lined = lined && own(a) && own(b) && record.colourAt(a) != record.colourAt(b);
        if ((drawn(Painted::Outline, 1) || lined) != (border == u'1'))
            note(QStringLiteral("border not %1").arg(border));
    }
    if (row.value("picture") == u'1' && !drawn(Painted::Picture, 0))
        note(QStringLiteral("no picture"));
    return found;
}

// The places of the main window's cells, in its pixels.
const QList<QRectF>& cellPlaces() {
    static const QList<QRectF> places = [] {
        QList<QRectF> read;
        for (const CsvRow& cell : layoutTable("cells.csv"))
            read << pixels(cell.value("left").toDouble(), cell.value("top").toDouble(), 435, 405)
                        .translated(kTableOrigin);
        return read;
    }();
    return places;
}

// Every control of a window's layout against its record. Places add up along the parents; the
// rows are in painting order, so a control is judged where no later one, nor anything in `over`,
// lies over it. A label sized to its text (no width) reaches at most to the window's right edge.
QStringList windowDifferences(const PaintRecord& record, const QString& window, const Shown& shown,
                              const QList<QRectF>& over = {}) {
    QHash<QString, QRectF> places;
    QList<CsvRow> rows;
    for (CsvRow row : layoutTable("controls.csv")) {
        if (row.value("window") != window)
            continue;
        if (row.value("width").isEmpty())
            row["width"] =
                QString::number(places.value(QString()).width() * 15 - row.value("left").toDouble());
        places.insert(row.value("name"), pixels(row, places.value(row.value("parent")).topLeft()));
        if (!row.value("name").isEmpty())
            rows << row;
    }
    QStringList found;
    for (qsizetype n = 0; n < rows.size(); ++n) {
        QList<QRectF> later = window == QLatin1String("frm1") ? cellPlaces() : over;
        for (qsizetype above = n + 1; above < rows.size(); ++above)
            later << places.value(rows[above].value("name"));
        found << differences(record, rows[n], places.value(rows[n].value("name")), later,
                             caption(rows[n].value("caption"), shown));
    }
    return found;
}

// The cells: each one's place, background (the view's colour where given), caption in the caption
// mode, font and text colour; the selected one bold with a one-pixel border, inside the white
// selection frame that reaches 10 twips beyond its top and left.
QStringList cellDifferences(const PaintRecord& record, const Shown& shown,
                            const views::CellColours& backs = {},
                            const QColor& windowText = QApplication::palette().color(QPalette::WindowText)) {
    QStringList found;
    for (CsvRow row : layoutTable("cells.csv")) {
        const int z = row.value("z").toInt();
        row["name"] = QStringLiteral("lbl(%1)").arg(z - 1);
        row["points"] = shown.numbers ? QStringLiteral("8") : QStringLiteral("12");
        row["bold"] = row["border"] = QString::number(z == shown.z);
        row["align"] = QStringLiteral("C");
        if (const auto back = backs[z - 1])
            row["back"] = written(platform::bgrColour(*back));
        if (row.value("fore").isEmpty())
            row["fore"] = written(windowText);
        const QString symbol = row.value("symbol");
        found << differences(record, row, cellPlaces()[z - 1], {},
                             shown.numbers ? symbol + QStringLiteral(" %1").arg(z) : symbol);
    }
    const QRectF frame = cellPlaces()[shown.z - 1].adjusted(-10 / 15.0, -10 / 15.0, 20 / 15.0, 20 / 15.0);
    for (const QPointF pixel : {frame.topLeft() + QPointF(0.5, 0.5), frame.bottomRight() - QPointF(0.5, 0.5)})
        if (record.colourAt(pixel) != QColor(Qt::white))
            found << QStringLiteral("no selection frame at %1,%2").arg(pixel.x()).arg(pixel.y());
    return found;
}

// The headings in one numbering, where the layout puts them; the wide 8B and the bracket over
// the headings they cover. A heading hidden in this numbering shows nothing of its own.
QStringList headingDifferences(const PaintRecord& record, bool families) {
    const QList<CsvRow>& headings = layoutTable("headings.csv");
    const QString state = families ? QStringLiteral("familias") : QStringLiteral("iupac");
    QStringList found;
    for (CsvRow row : headings) {
        const QRectF place = pixels(row, kTableOrigin);
        const bool covered = std::any_of(headings.end() - 2, headings.end(), [&](const CsvRow& over) {
            return over.value("heading") != row.value("heading") && !over.value(state).isEmpty() &&
                   pixels(over, kTableOrigin).contains(place.center());
        });
        row["name"] = QStringLiteral("lblfamilia(%1)").arg(row.value("heading"));
        row["fore"] = QStringLiteral("&HFFFFFF");
        row["align"] = QStringLiteral("C");
        if (!covered && !row.value(state).isEmpty())
            found << differences(record, row, place, {}, row.value(state));
        const QString other = row.value(families ? "iupac" : "familias");
        for (const Painted& text : record.textsIn(place))
            if (row.value(state).isEmpty() && text.text == other)
                found << row.value("name") + QStringLiteral(" shows \"%1\" while hidden").arg(other);
    }
    return found;
}

// A view's legend: its panel's rows, each swatch in its colour with a border and its caption to the
// right in white; nothing else in the legend area.
QStringList legendDifferences(const PaintRecord& record, const QString& view) {
    QString panel;
    for (const CsvRow& row : layoutTable("views.csv"))
        panel = row.value("view") == view ? row.value("legend") : panel;
    const QPointF origin = pixels(180 + 8760, 1140, 0, 0).topLeft();
    QStringList found;
    QStringList captions;
    for (const CsvRow& legend : layoutTable("legends.csv")) {
        if (legend.value("panel") != panel)
            continue;
        const int n = legend.value("row").toInt();
        const QString swatch = legend.value("swatch");
        found << differences(
            record,
            {{"name", "lblLegenda(" + swatch + ")"}, {"back", legend.value("colour")}, {"border", "1"}},
            pixels(60, 60 + 240 * n, 255, 255).translated(origin), {}, {});
        found << differences(
            record,
            {{"name", "lblClass(" + swatch + ")"}, {"points", "8.25"}, {"fore", "&HFFFFFF"}, {"align", "L"}},
            pixels(420, 90 + 240 * n, 1725, legend.value("height").toDouble()).translated(origin), {},
            legend.value("caption"));
        captions << legend.value("caption");
    }
    QStringList shown;
    for (const Painted& text : record.textsIn(pixels(0, 0, 2205, 3045).translated(origin)))
        shown << text.text;
    if (shown.join(u' ').simplified() != captions.join(u' ').simplified())
        found << QStringLiteral("the legend area shows \"%1\"").arg(shown.join(u'|'));
    return found;
}

// The comparison picture: a bordered table whose lines part every row and column, each cell
// holding its mark; a subscript is a smaller letter after its letter.
QStringList comparisonDifferences(const PaintRecord& record, const QRectF& picture) {
    QList<double> columns, rows; // the lines down and across, the border's included
    for (const Painted& line : record.items) {
        const QRectF near = picture.adjusted(-1, -1, 1, 1);
        if (line.kind != Painted::Outline || !near.contains(line.rect.topLeft()) ||
            !near.contains(line.rect.bottomRight()))
            continue;
        if (line.rect.height() >= 1)
            columns << line.rect.left() << line.rect.right();
        if (line.rect.width() >= 1)
            rows << line.rect.top() << line.rect.bottom();
    }
    std::sort(columns.begin(), columns.end());
    std::sort(rows.begin(), rows.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    const QStringList keys = {"name", "Z", "A", "nₚ", "nₙ", "nₑ"};
    const QList<CsvRow>& table = layoutTable("comparison.csv");
    if (rows.size() != table.size() + 2 || columns.size() != keys.size() + 1)
        return {QStringLiteral("%1 lines across, %2 down").arg(rows.size()).arg(columns.size())};
    QStringList found;
    for (int r = 0; r <= table.size(); ++r)
        for (int c = 0; c < keys.size(); ++c) {
            const auto texts =
                record.textsIn(QRectF(QPointF(columns[c], rows[r]), QPointF(columns[c + 1], rows[r + 1])));
            QString expected = r > 0 ? table[r - 1].value(keys[c]) : c > 0 ? keys[c] : QString();
            const bool subscript = expected.size() == 2 && expected[1] > QChar(0x2000);
            if (subscript)
                expected[1] =
                    QString::fromUtf8("p n e").at(int(QStringLiteral("ₚₙₑ").indexOf(expected[1])) * 2);
            QString shown;
            for (const Painted& text : texts)
                shown += text.text;
            if (shown != expected ||
                (subscript && (texts.size() != 2 || texts[1].font.pixelSize() >= texts[0].font.pixelSize())))
                found << QStringLiteral("row %1, column %2 shows %3").arg(r).arg(c).arg(shown);
        }
    return found;
}

} // namespace

class TestPainted : public QObject {
    Q_OBJECT
  private slots:
    void recordKeepsTextAsText();
    void mainWindowForEveryElement();
    void cellsAndHeadings_data();
    void cellsAndHeadings();
    void everyView();
    void otherWindows();
};

// Fails with every difference found, after a word on where.
#define CHECK(where, differences)                                                                            \
    do {                                                                                                     \
        const QStringList listed = (differences);                                                            \
        QVERIFY2(listed.isEmpty(), qPrintable(QString(where) + QStringLiteral(": ") + listed.join(u';')));   \
    } while (false)

std::unique_ptr<frm1> shownWindow() {
    auto window = makeWindow();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        QTest::qFail("the window never showed", __FILE__, __LINE__);
    return window;
}

void TestPainted::recordKeepsTextAsText() {
    // One caption drawn is one text recorded, with its font, colour and place, never a path.
    QLabel label(QStringLiteral("Orvane"));
    label.setFont(platform::uiFont(12));
    label.setStyleSheet(QStringLiteral("color: red"));
    label.resize(200, 40);
    const QList<Painted> texts = PaintRecord::of(label).textsIn(QRectF(0, 0, 200, 40));
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts[0].text, QStringLiteral("Orvane"));
    QCOMPARE(texts[0].font.pixelSize(), 16);
    QCOMPARE(texts[0].colour, QColor(Qt::red));
    QVERIFY(QRectF(0, 0, 200, 40).contains(texts[0].rect));
}

void TestPainted::mainWindowForEveryElement() {
    const auto window = shownWindow();
    QCOMPARE(window->size(), pixels(0, 0, 11355, 8130).size().toSize());
    CHECK("start", legendDifferences(PaintRecord::of(*window), QStringLiteral("Propriedades")));
    // Every row but the eight given in full is written to fit each box at the box's own font.
    QList<int> givenInFull;
    for (const CsvRow& row : readCsv(QStringLiteral(ORVANE_LAYOUT_DIR "/../given/element-rows.csv")))
        givenInFull << row.value("atomicNumber").toInt();
    for (int z = 1; z <= 118; ++z) {
        list(*window, "cmbN")->setListIndex(z - 1);
        child<QLineEdit>(*window, "txtBusca")->setText(caption(QStringLiteral("{symbol}"), {z})); // as typed
        const PaintRecord record = PaintRecord::of(*window);
        QStringList found = windowDifferences(record, QStringLiteral("frm1"), {z});
        for (const Painted& text : record.textsIn(pixels(210, 5100, 10935, 3045))) // the detail panel
            if (text.font.stretch() != 0 && text.font.stretch() != 100 && !givenInFull.contains(z))
                found << QStringLiteral("\"%1\" drawn narrower").arg(text.text);
        CHECK(QString::number(z), found);
    }
}

void TestPainted::cellsAndHeadings_data() {
    QTest::addColumn<int>("z");
    QTest::addColumn<bool>("numbers");  // symbol over atomic number, else the symbol alone
    QTest::addColumn<bool>("families"); // family names over the columns, else IUPAC numbers
    QTest::newRow("start: numbers, IUPAC") << 8 << true << false;
    QTest::newRow("symbols, families") << 118 << false << true;
    QTest::newRow("symbols, IUPAC") << 1 << false << false;
    QTest::newRow("numbers, families") << 57 << true << true;
}

void TestPainted::cellsAndHeadings() {
    QFETCH(int, z);
    QFETCH(bool, numbers);
    QFETCH(bool, families);
    // A window text colour of its own, so that the cells without one tell from the black ones.
    const QPalette before = QApplication::palette();
    QPalette palette = before;
    palette.setColor(QPalette::WindowText, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(palette);
    const auto window = shownWindow();
    QApplication::setPalette(before);
    list(*window, "cmbN")->setListIndex(z - 1);
    child<QPushButton>(*window, numbers ? "cmdSimb2" : "cmdSimb1")->click();
    child<QPushButton>(*window, families ? "optCol(0)" : "optCol(1)")->click();
    const PaintRecord record = PaintRecord::of(*window);
    CHECK(QTest::currentDataTag(),
          cellDifferences(record, {z, numbers}, {}, palette.color(QPalette::WindowText)) +
              headingDifferences(record, families));
}

void TestPainted::everyView() {
    // Each view, applied from the one before it: its legend, and every cell in the view's colour
    // with its caption, font and text colour unchanged.
    const auto window = shownWindow();
    auto* views = list(*window, "cmbTab");
    QCOMPARE(layoutTable("views.csv").size(), views->count());
    for (int k = 0; k < views->count(); ++k) {
        views->setListIndex(k);
        const QString name = views->itemText(k);
        QCOMPARE(window->windowTitle(), QStringLiteral(" Orvane - ") + name);
        const PaintRecord record = PaintRecord::of(*window);
        const auto backs = views::cellColours(*views::findView(name.toStdString()), legends::swatchColour);
        CHECK(name, legendDifferences(record, name) +
                        cellDifferences(record, {window->selectedIndex() + 1}, backs));
    }
}

void TestPainted::otherWindows() {
    const auto window = shownWindow();
    const Shown iron{26};
    list(*window, "cmbN")->setListIndex(iron.z - 1);
    // The report, its top and then its end: the element's data as the detail panel shows it,
    // caption by caption, 24 lines.
    QStringList report = {QStringLiteral("Nome = ") + caption(QStringLiteral("{entry}"), iron),
                          QStringLiteral("Símbolo = Fe"), QStringLiteral("Cas-ID = ") + boxText(iron.z, 0)};
    for (const CsvRow& row : layoutTable("controls.csv"))
        if (row.value("name").startsWith(QLatin1String("lblNome(")))
            report << row.value("caption") + QStringLiteral(" = ") +
                          boxText(iron.z, row.value("name").mid(8).chopped(1).toInt());
    QVERIFY(whileModal(
        [&] { window->cmdRel_Click(); },
        [&](QWidget* modal) {
            const int bar = modal->style()->pixelMetric(QStyle::PM_ScrollBarExtent); // the two scroll bars
            const QRectF all(QPointF(), modal->size());
            const QList<QRectF> bars = {all.adjusted(all.width() - bar, 0, 0, 0),
                                        all.adjusted(0, all.height() - bar, 0, 0)};
            QStringList found =
                windowDifferences(PaintRecord::of(*modal), QStringLiteral("frm3"), iron, bars);
            QStringList top, end;
            for (QStringList* lines : {&top, &end}) {
                for (const Painted& text : PaintRecord::of(*modal).visibleTexts)
                    *lines << text.text;
                QTest::keyClick(child(*modal, "txtRel"), Qt::Key_End, Qt::ControlModifier);
            }
            if (top != report.mid(0, top.size()) || end != report.mid(report.size() - end.size()) ||
                top.size() + end.size() < report.size())
                found << QStringLiteral("the report shows %1 ... %2").arg(top.join(u'|'), end.join(u'|'));
            CHECK("frm3", found);
        }));
    frmSobre about(window.get());
    about.show();
    child<QLineEdit>(about, "txtSite")->deselect(); // the box's own colours, not the selection's
    CHECK("frmSobre", windowDifferences(PaintRecord::of(about), QStringLiteral("frmSobre"), iron));
    about.close();
    child<QLineEdit>(*window, "txtBusca")->setText(QStringLiteral("Q.X.W.J."));
    window->cmdBusca_Click();
    QVERIFY(window->informationWindow() && QTest::qWaitForWindowExposed(window->informationWindow()));
    const PaintRecord record = PaintRecord::of(*window->informationWindow());
    CHECK("frm2", windowDifferences(record, QStringLiteral("frm2"), iron) +
                      comparisonDifferences(record, pixels(60, 1740, 4035, 1980)));
}

QTEST_MAIN(TestPainted)
#include "tst_painted.moc"
