// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: building the controls from the layout tables.
#include "frm1.h"

#include "MainLayout.h"
#include "PeriodicTable.h"
#include "data/CellGrid.h"
#include "data/ElementCard.h"
#include "data/Legends.h"
#include "forms/common/Colours.h"
#include "forms/common/ControlFactory.h"
#include "platform/AppInfo.h"
#include "platform/ArrowKeyFlags.h"
#include "platform/BgrColour.h"
#include "platform/EventComboBox.h"
#include "platform/FixedBorder.h"
#include "platform/Fonts.h"
#include "platform/OnTop.h"
#include "platform/PngPictures.h"
#include "platform/QtText.h"
#include "platform/ReadOnlyLineEdit.h"
#include "platform/Twips.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

// The icons live in the static library; make sure its resources are registered.
// (Outside any namespace, as the resource macro requires.)
static void initResources() {
    Q_INIT_RESOURCE(window_pictures);
}

namespace {

using colour::kCaptionBack;
using colour::kTableBack;
using colour::kWhite;
using layout::indexedName;
constexpr std::uint32_t kPeriodText = colour::kCaptionBack;
constexpr std::uint32_t kHeadingBack = colour::kDetailBack;
constexpr std::uint32_t kBoxBack = colour::kBlack;
constexpr std::uint32_t kBoxText = colour::kValueGreen;
constexpr double kCellPoints = 9.75;
constexpr double kHydrogenPoints = 8.25;

// A caption of the table at a place in twips, with colours 0x00BBGGRR (no background: see-through).
TableLabel tableLabel(const layout::TwipsRect& place, const QString& text, std::optional<std::uint32_t> back,
                      std::uint32_t fore, double points, bool border) {
    TableLabel label;
    label.place = platform::twipsRect(place.left, place.top, place.width, place.height);
    label.text = text;
    label.font = platform::uiFont(points);
    if (back)
        label.back = platform::bgrColour(*back);
    label.fore = platform::bgrColour(fore);
    label.border = border;
    return label;
}

} // namespace

frm1::frm1(std::unique_ptr<RandomSource> random, QWidget* parent)
    : QWidget(parent), random_(random ? std::move(random) : std::make_unique<RandomSource>()) {
    initResources();
    setObjectName(QStringLiteral("frm1"));
    setWindowTitle(platform::caption());
    setWindowIcon(platform::pngIconSizes(QStringLiteral(":/icons/orvane-%1.png"), {16, 32, 48, 64}));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    layout::applyColours(this, colour::kWindowBack, layout::kDefault);
    setFont(platform::uiFont(8.25));
    resize(designSize());
    // The border is fixed, but the window can be maximised.
    platform::holdSizeAgainstDrags(*this, designSize());
    buildControls();
    connectHandlers();
    Form_Load();
    nameForAccessibility();
    keyGrid_.start();
}

frm1::~frm1() = default;

QSize frm1::designSize() {
    return platform::toPx(QSize(layout::kClientWidth, layout::kClientHeight));
}

void frm1::buildControls() {
    QHash<QString, QWidget*> byName;
    for (const layout::ControlRow& row : layout::mainControls()) {
        QWidget* parent = row.parent ? byName.value(QString::fromLatin1(row.parent), this) : this;
        byName.insert(QString::fromLatin1(row.name), layout::makeControl(row, parent));
    }
    picTela_ = byName.value(QStringLiteral("picTela"));
    pctTabela_ = byName.value(QStringLiteral("pctTabela"));
    cmbN_ = qobject_cast<platform::EventComboBox*>(byName.value(QStringLiteral("cmbN")));
    cmbTab_ = qobject_cast<platform::EventComboBox*>(byName.value(QStringLiteral("cmbTab")));
    txtBusca_ = qobject_cast<QLineEdit*>(byName.value(QStringLiteral("txtBusca")));
    lblSimb_ = qobject_cast<QLabel*>(byName.value(QStringLiteral("lblSimb")));
    lblA_ = qobject_cast<QLabel*>(byName.value(QStringLiteral("lblA")));
    cardMassFont_ = lblA_->font();
    lblZ_ = qobject_cast<QLabel*>(byName.value(QStringLiteral("lblZ")));
    for (int n = 0; n < int(pctLeg_.size()); ++n) {
        pctLeg_[n] = byName.value(indexedName("pctLeg", n));
        pctLeg_[n]->setVisible(n == 0);
    }
    for (int n = 0; n < int(optCol_.size()); ++n)
        optCol_[n] = qobject_cast<QPushButton*>(byName.value(indexedName("optCol", n)));
    optCol_[1]->setChecked(true);

    buildGrid();
    buildHeadings();
    buildDetailPanel();
    tmtKeys_ = new QTimer(this);
    tmtKeys_->setObjectName(QStringLiteral("tmtKeys"));
    tmtKeys_->setInterval(kKeyTickMs);
    // Exactly on the grid: a coarse timer may fire up to 5 % of its interval late.
    tmtKeys_->setTimerType(Qt::PreciseTimer);
    tmp_ = new QTimer(this);
    tmp_->setObjectName(QStringLiteral("tmp"));
    tmp_->setInterval(1000);
    keyFlags_ = new platform::ArrowKeyFlags(this);
    chkOnTop_ = qobject_cast<QPushButton*>(byName.value(QStringLiteral("chkOnTop")));
    // Where the platform cannot keep a window on top, the box is not offered rather than ticked for
    // nothing.
    chkOnTop_->setEnabled(platform::canKeepOnTop());
    imgLogo_ = byName.value(QStringLiteral("imgLogo"));
    // The search box comes first in the tab order and holds the focus when the window opens.
    setTabOrder(txtBusca_, cmbTab_);
    txtBusca_->setFocus();
}

void frm1::buildGrid() {
    // The cells, their period numbers, group headings and the selection frame are drawn by one
    // widget lying under the table's other controls, in the table's own coordinates.
    table_ = new PeriodicTable(pctTabela_);
    table_->setObjectName(QStringLiteral("tableGrid"));
    table_->setAccessibleName(QStringLiteral("Tabela periódica"));
    table_->setGeometry(pctTabela_->rect());
    table_->lower();
    const QColor windowText = table_->palette().color(QPalette::WindowText);
    for (int i = 0; i < TPDEQ::kElementCount; ++i) {
        const int z = i + 1;
        const grid::CellPlace place = grid::cellPlace(z);
        table_->placeCell(i, platform::twipsRect(place.left, place.top, grid::kCellWidth, grid::kCellHeight),
                          grid::cellRow(z), place.column - 1);
        table_->setCellFont(i, platform::uiFont(i == 0 ? kHydrogenPoints : kCellPoints));
        table_->setText(i, platform::qtText(grid::cellSymbol(z)));
        table_->setBackColor(i, platform::bgrColour(grid::defaultCellColour(z)));
        const auto textColour = grid::cellTextColour(z);
        table_->setTextColour(i, textColour ? platform::bgrColour(*textColour) : windowText);
    }
    for (int n = 0; n < PeriodicTable::kPeriodCount; ++n) {
        const layout::PeriodLabel& period = layout::periodLabels()[n];
        table_->setPeriod(
            n, tableLabel({period.left, period.top, layout::kPeriodLabelWidth, layout::kPeriodLabelHeight},
                          QString::fromLatin1(period.caption), kTableBack, kPeriodText, 8.25, false));
    }
    table_->setFrame(platform::twipsRect(0, 0, layout::kSelectionFrameWidth, layout::kSelectionFrameHeight),
                     platform::bgrColour(kWhite));
}

void frm1::buildHeadings() {
    // Each group's small number over its column, and its family name in the heading row.
    for (int g = 0; g < grid::kColumnCount; ++g) {
        const int small = layout::kSmallHeadings + g;
        table_->setHeading(small, tableLabel(layout::headingRect(small), QString::number(g + 1), std::nullopt,
                                             kWhite, 6.75, false));
        const int heading = layout::kHeadingRow + g;
        table_->setHeading(heading, tableLabel(layout::headingRect(heading),
                                               platform::qtText(legends::familyName(g + 1)), kHeadingBack,
                                               kWhite, 8.25, true));
    }
    table_->setHeading(layout::kWide8B, tableLabel(layout::headingRect(layout::kWide8B), QStringLiteral("8B"),
                                                   kHeadingBack, kWhite, 8.25, true));
    // The bracket covers the three small "8B" labels it spans, with its own "8B" on their line.
    TableLabel bracket = tableLabel(layout::headingRect(layout::kBracket8B),
                                    QStringLiteral("|¨¨¨¨¨¨ 8B ¨¨¨¨¨¨|"), kTableBack, kWhite, 6.75, false);
    bracket.alignment = Qt::AlignHCenter | Qt::AlignBottom;
    bracket.visible = false;
    table_->setHeading(layout::kBracket8B, bracket);
    // The bracket lies over the small labels, the wide 8B over the heading row.
    std::array<int, PeriodicTable::kHeadingCount> order{};
    for (int g = 0; g < grid::kColumnCount; ++g) {
        order[2 * g] = layout::kSmallHeadings + g;
        order[2 * g + 1] = layout::kHeadingRow + g;
    }
    order[layout::kWide8B] = layout::kBracket8B;
    order[layout::kBracket8B] = layout::kWide8B;
    table_->setHeadingOrder(order);
}

void frm1::buildDetailPanel() {
    QWidget* detailPanel = control("Picture2");
    auto makeBox = [](QWidget* parent, int n, const QRect& place) {
        auto* box = new platform::ReadOnlyLineEdit(parent);
        box->setObjectName(indexedName("txtValor", n));
        box->setGeometry(place);
        box->setAlignment(Qt::AlignCenter);
        return box;
    };
    auto*& cas = txtValor_[card::casBox];
    const layout::TwipsRect casPlace = layout::kCasBox;
    cas = makeBox(control("Frame2"), card::casBox,
                  platform::twipsRect(casPlace.left, casPlace.top, casPlace.width, casPlace.height));
    cas->setEdge(false);
    cas->setFont(platform::uiFont(12));
    layout::applyColours(cas, kTableBack, kBoxText);

    for (const layout::DetailField& field : layout::detailFields()) {
        const int n = field.index;
        lblNome_[n] = layout::makeLabel(detailPanel, indexedName("lblNome", n), layout::captionRect(field),
                                        QString::fromUtf8(field.caption), kCaptionBack, layout::kDefault,
                                        8.25, layout::Centre, true);
        lblNome_[n]->setToolTip(QString::fromUtf8(field.captionTip));
        txtValor_[n] =
            makeBox(detailPanel, n,
                    platform::twipsRect(field.left, field.boxTop, field.width, layout::kDetailBoxHeight));
        txtValor_[n]->setFont(platform::uiFont(9.75));
        txtValor_[n]->setToolTip(QString::fromUtf8(field.boxTip));
        layout::applyColours(txtValor_[n], kBoxBack, kBoxText);
    }
}
