// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' layout tables, checked without building a window: every control lies inside its
// parent, and no two controls of one parent overlap except the pairs listed here.
#include "data/CellGrid.h"
#include "data/Legends.h"
#include "forms/about/frmSobre.h"
#include "forms/info/frm2.h"
#include "forms/main/MainLayout.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

struct Place {
    QString name;
    QString parent; // empty: the window's client area
    QRect rect;     // twips
};
using Places = QList<Place>;

QRect rect(const layout::TwipsRect& place) {
    return {place.left, place.top, place.width, place.height};
}

void addRows(Places& places, std::span<const layout::ControlRow> rows) {
    for (const layout::ControlRow& row : rows)
        places.append({QString::fromLatin1(row.name),
                       row.parent ? QString::fromLatin1(row.parent) : QString(),
                       {row.left, row.top, row.width, row.height}});
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

Places mainPlaces() {
    Places places;
    addRows(places, layout::mainControls());
    const QString table = QStringLiteral("pctTabela");
    for (int z = 1; z <= 118; ++z) {
        const grid::CellPlace cell = grid::cellPlace(z);
        places.append(
            {indexed("lbl", z - 1), table, {cell.left, cell.top, grid::kCellWidth, grid::kCellHeight}});
    }
    int n = 0;
    for (const layout::PeriodLabel& period : layout::periodLabels())
        places.append({indexed("lblPeriodo", n++),
                       table,
                       {period.left, period.top, layout::kPeriodLabelWidth, layout::kPeriodLabelHeight}});
    for (int index = 0; index < layout::kHeadingCount; ++index)
        places.append({indexed("lblfamilia", index), table, rect(layout::headingRect(index))});
    places.append({QStringLiteral("txtValor(0)"), QStringLiteral("Frame2"), rect(layout::kCasBox)});
    for (const layout::DetailField& field : layout::detailFields()) {
        places.append(
            {indexed("lblNome", field.index), QStringLiteral("Picture2"), rect(layout::captionRect(field))});
        places.append({indexed("txtValor", field.index),
                       QStringLiteral("Picture2"),
                       {field.left, field.boxTop, field.width, layout::kDetailBoxHeight}});
    }
    for (const legends::Row& row : legends::rows()) {
        const QString panel = indexed("pctLeg", row.panel);
        places.append({indexed("lblLegenda", row.swatch), panel, rect(layout::legendSwatchRect(row.row))});
        places.append({indexed("lblClass", row.swatch), panel,
                       rect(layout::legendCaptionRect(row.row, row.captionHeight))});
    }
    return places;
}

Places aboutPlaces() {
    Places places;
    addRows(places, frmSobre::controlRows());
    for (const frmSobre::AddressBox& box : frmSobre::addressBoxes())
        places.append({QString::fromLatin1(box.name), QString(), rect(box.place)});
    return places;
}

Places infoPlaces() {
    Places places;
    addRows(places, frm2::controlRows());
    places.append({QStringLiteral("Image1"), QString(), rect(frm2::picturePlace())});
    return places;
}

// Neighbours may share their border line: one pixel, 15 twips.
constexpr int kSharedEdge = 15;

// Controls that reach past their parent, by design.
struct Outside {
    const char* window;
    const char* control;
    const char* reason;
};
const Outside kOutside[] = {
    {"frm1", "picTela", "the panel is 105 twips taller than the client area; its bottom strip is cut off"},
    {"frmSobre", "Label3", "acknowledgements below the client area, never seen"},
    {"frmSobre", "lblA", "acknowledgements below the client area, never seen"},
    {"frmSobre", "Label1", "acknowledgements below the client area, never seen"},
};

// Pairs of siblings that overlap by design, by more than a shared edge. Names are patterns;
// depth is the most they may overlap in either direction, 0 for any.
struct Overlap {
    const char* window;
    const char* first;
    const char* second;
    int depth;
    const char* reason;
};
// clang-format off
const Overlap kOverlaps[] = {
    {"frm1", "pctLeg\\(\\d\\)", "pctLeg\\(\\d\\)", 0, "the nine legend panels share one place; one shows at a time"},
    {"frm1", "lblClass\\(\\d+\\)", "lblClass\\(\\d+\\)", 45, "a legend caption 285 high reaches into the next row"},
    {"frm1", "lblfamilia\\(36\\)", "lblfamilia\\(2[5-7]\\)", 0, "the wide 8B heading lies over those of groups 8 to 10"},
    {"frm1", "lblfamilia\\(37\\)", "lblfamilia\\([7-9]\\)", 0, "the bracket lies over the small labels of groups 8 to 10"},
    {"frm1", "Label3", "cmdA|cmbN|cmdP", 0, "the bordered label frames the element navigator from behind"},
    {"frm1", "lblNome\\(\\d+\\)", "txtValor\\(\\d+\\)", 45,
     "the third band's captions, 285 high, reach into their boxes; the fourth band's boxes reach 30 twips "
     "into the fifth band's captions"},
    {"frm1", "lblNome\\(16\\)", "lblNome\\(17\\)", 45, "caption 17 starts 30 twips left of its box"},
    {"frm1", "txtValor\\(1\\)", "Picture1", 45, "the first box, 1935 wide, runs under the navigator's edge"},
    {"frmSobre", "Label2", "Image2", 225, "the distributor's mark sits in the empty right part of its heading"},
    {"frmSobre", "Shape1", "lblOk", 0, "the OK caption lies on the button's body"},
    {"frm2", "Label1", "txt1", 345, "the first facts box lies over the empty lower part of the note"},
};
// clang-format on

bool matches(const char* pattern, const QString& name) {
    return QRegularExpression(QRegularExpression::anchoredPattern(QString::fromLatin1(pattern)))
        .match(name)
        .hasMatch();
}

const Overlap* allowedOverlap(const QString& window, const QString& a, const QString& b) {
    for (const Overlap& overlap : kOverlaps)
        if (window == QLatin1String(overlap.window) &&
            ((matches(overlap.first, a) && matches(overlap.second, b)) ||
             (matches(overlap.first, b) && matches(overlap.second, a))))
            return &overlap;
    return nullptr;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
  private slots:
    void windows_data();
    void everyControlInsideItsParent_data() { windows_data(); }
    void everyControlInsideItsParent();
    void siblingsApart_data() { windows_data(); }
    void siblingsApart();
};

void TestLayout::windows_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<Places>("places");
    QTest::newRow("frm1") << QSize(layout::kClientWidth, layout::kClientHeight) << mainPlaces();
    QTest::newRow("frmSobre") << QSize(5460, 2790) << aboutPlaces();
    QTest::newRow("frm2") << QSize(7440, 3765) << infoPlaces();
}

void TestLayout::everyControlInsideItsParent() {
    QFETCH(QSize, client);
    QFETCH(Places, places);
    const QString window = QString::fromLatin1(QTest::currentDataTag());
    QHash<QString, QSize> sizes;
    for (const Place& place : places) {
        QVERIFY2(!sizes.contains(place.name), qPrintable(place.name));
        sizes.insert(place.name, place.rect.size());
    }
    for (const Place& place : places) {
        QVERIFY2(place.parent.isEmpty() || sizes.contains(place.parent), qPrintable(place.parent));
        const QRect parent({0, 0}, place.parent.isEmpty() ? client : sizes.value(place.parent));
        const bool outside = std::any_of(std::begin(kOutside), std::end(kOutside), [&](const Outside& out) {
            return window == QLatin1String(out.window) && place.name == QLatin1String(out.control);
        });
        QVERIFY2(place.rect.isValid(), qPrintable(place.name));
        QVERIFY2(parent.contains(place.rect) != outside, qPrintable(place.name));
    }
}

void TestLayout::siblingsApart() {
    QFETCH(Places, places);
    const QString window = QString::fromLatin1(QTest::currentDataTag());
    for (qsizetype i = 0; i < places.size(); ++i)
        for (qsizetype j = i + 1; j < places.size(); ++j) {
            const Place& a = places[i];
            const Place& b = places[j];
            if (a.parent != b.parent)
                continue;
            const QRect common = a.rect.intersected(b.rect);
            const int depth = std::min(common.width(), common.height());
            if (depth <= kSharedEdge)
                continue;
            const Overlap* allowed = allowedOverlap(window, a.name, b.name);
            QVERIFY2(allowed && (allowed->depth == 0 || depth <= allowed->depth),
                     qPrintable(QStringLiteral("%1 and %2 overlap by %3").arg(a.name, b.name).arg(depth)));
        }
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
