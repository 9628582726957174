// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: building the controls from the layout tables.
#include "frm1.h"

#include "CellGrid.h"
#include "ElementCard.h"
#include "ElementCell.h"
#include "Legends.h"
#include "MainLayout.h"
#include "forms/common/Colours.h"
#include "forms/common/ControlFactory.h"
#include "forms/common/Shape.h"
#include "platform/AppInfo.h"
#include "platform/ArrowKeyFlags.h"
#include "platform/BgrColour.h"
#include "platform/EventComboBox.h"
#include "platform/Fonts.h"
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

using colours::kCaptionBack;
using layout::indexedName;
using colours::kTableBack;
using colours::kWhite;
constexpr std::uint32_t kPeriodText = colours::kCaptionBack;
constexpr std::uint32_t kHeadingBack = colours::kDetailBack;
constexpr std::uint32_t kBoxBack = colours::kBlack;
constexpr std::uint32_t kBoxText = colours::kValueGreen;
constexpr int kBoxHeight = 360;
constexpr double kCellPoints = 9.75;
constexpr double kHydrogenPoints = 8.25;

} // namespace

frm1::frm1(std::unique_ptr<RandomSource> random, QWidget* parent)
    : QWidget(parent), random_(random ? std::move(random) : std::make_unique<RandomSource>()) {
    initResources();
    setObjectName(QStringLiteral("frm1"));
    setWindowTitle(platform::caption());
    setWindowIcon(platform::pngIconSizes(QStringLiteral(":/icons/orvane-%1.png"), {16, 32, 48, 64}));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    layout::applyColours(this, colours::kWindowBack, layout::kDefault);
    setFont(platform::uiFont(8.25));
    resize(designSize());
    buildControls();
    connectHandlers();
    Form_Load();
    nameForAccessibility();
    tmtKeys_->start();
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
    shpSelecao_ = qobject_cast<Shape*>(byName.value(QStringLiteral("shpSelecao")));
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
    tmtKeys_->setInterval(100);
    tmp_ = new QTimer(this);
    tmp_->setObjectName(QStringLiteral("tmp"));
    tmp_->setInterval(1000);
    keyFlags_ = new platform::ArrowKeyFlags(this);
    chkOnTop_ = qobject_cast<QPushButton*>(byName.value(QStringLiteral("chkOnTop")));
    imgLogo_ = byName.value(QStringLiteral("imgLogo"));
    shpSelecao_->raise();
    // The search box comes first in the tab order and holds the focus when the window opens.
    setTabOrder(txtBusca_, cmbTab_);
    txtBusca_->setFocus();
}

void frm1::buildGrid() {
    // The cells, their period numbers and group headings lie on one see-through layer under the
    // table's other controls, in the table's own coordinates. Each move of the selection frame
    // makes the window work out again which parts of the table its opaque children cover: with
    // the layer that is one kept region to add, instead of some 200 rectangles.
    tableGrid_ = new QWidget(pctTabela_);
    tableGrid_->setObjectName(QStringLiteral("tableGrid"));
    tableGrid_->setAccessibleName(QStringLiteral("Tabela periódica"));
    tableGrid_->setGeometry(pctTabela_->rect());
    tableGrid_->lower();
    for (int i = 0; i < TPDEQ::kElementCount; ++i) {
        const int z = i + 1;
        auto* cell = new ElementCell(i, tableGrid_);
        cell->setObjectName(indexedName("lbl", i));
        const grid::CellPlace place = grid::cellPlace(z);
        cell->setGeometry(platform::twipsRect(place.left, place.top, grid::kCellWidth, grid::kCellHeight));
        cell->setFont(platform::uiFont(i == 0 ? kHydrogenPoints : kCellPoints));
        cell->setText(platform::qtText(grid::cellSymbol(z)));
        cell->setBackColor(platform::bgrColour(grid::defaultCellColour(z)));
        if (const auto textColour = grid::cellTextColour(z))
            layout::applyColours(cell, layout::kTransparent, *textColour);
        lbl_[i] = cell;
    }
    for (int n = 0; n < int(lblPeriodo_.size()); ++n) {
        const layout::PeriodLabel& period = layout::periodLabels()[n];
        lblPeriodo_[n] = layout::makeLabel(
            tableGrid_, indexedName("lblPeriodo", n),
            {period.left, period.top, layout::kPeriodLabelWidth, layout::kPeriodLabelHeight},
            QString::fromLatin1(period.caption), kTableBack, kPeriodText, 8.25, layout::Centre, false);
    }
}

void frm1::buildHeadings() {
    // Each group's small number sits just above the topmost cell of its column; the heading row
    // runs across the top of the table.
    for (int g = 0; g < grid::kColumnCount; ++g) {
        const int cellLeft = grid::columnLeft(g + 1);
        lblfamilia_[layout::kSmallHeadings + g] = layout::makeLabel(
            tableGrid_, indexedName("lblfamilia", layout::kSmallHeadings + g), {cellLeft + 15, grid::topmostCellTop(g + 1) - 180, 405, 165},
            QString::number(g + 1), layout::kTransparent, kWhite, 6.75, layout::Centre, false);
        lblfamilia_[layout::kHeadingRow + g] = layout::makeLabel(
            tableGrid_, indexedName("lblfamilia", layout::kHeadingRow + g), {cellLeft - 30, 60, 465, 225},
            platform::qtText(legends::familyName(g + 1)), kHeadingBack, kWhite, 8.25, layout::Centre, true);
    }
    lblfamilia_[layout::kWide8B] =
        layout::makeLabel(tableGrid_, indexedName("lblfamilia", layout::kWide8B), {3510, 60, 1365, 225},
                          QStringLiteral("8B"), kHeadingBack, kWhite, 8.25, layout::Centre, true);
    lblfamilia_[layout::kBracket8B] = layout::makeLabel(tableGrid_, indexedName("lblfamilia", layout::kBracket8B), {3630, 1590, 1185, 195},
                                        QStringLiteral("|¨¨¨¨¨¨ 8B ¨¨¨¨¨¨|"), kTableBack, kWhite,
                                        6.75, layout::Centre, false);
    // The bracket covers the three small "8B" labels it spans, with its own "8B" on their line.
    lblfamilia_[layout::kBracket8B]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    lblfamilia_[layout::kBracket8B]->raise();
    lblfamilia_[layout::kWide8B]->raise();
    lblfamilia_[layout::kBracket8B]->hide();
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
    cas = makeBox(control("Frame2"), card::casBox, platform::twipsRect(60, 240, 1425, 315));
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
            makeBox(detailPanel, n, platform::twipsRect(field.left, field.boxTop, field.width, kBoxHeight));
        txtValor_[n]->setFont(platform::uiFont(9.75));
        txtValor_[n]->setToolTip(QString::fromUtf8(field.boxTip));
        layout::applyColours(txtValor_[n], kBoxBack, kBoxText);
    }
}
