// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: building the controls from the layout tables, and Form_Load.
#include "frm1.h"

#include "Colours.h"
#include "ControlFactory.h"
#include "ElementCell.h"
#include "GridLayout.h"
#include "SelectionFrame.h"
#include "ViewNames.h"
#include "platform/AppInfo.h"
#include "platform/EventComboBox.h"
#include "platform/Fonts.h"
#include "platform/ReadOnlyLineEdit.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "platform/VbRandom.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The icons live in the static library; make sure its resources are registered.
// (Outside any namespace, as the resource macro requires.)
static void initResources() {
    Q_INIT_RESOURCE(orvane);
}

namespace {

using colours::kCaptionBack;
using colours::kTableBack;
using colours::kWhite;
constexpr std::uint32_t kPeriodText = colours::kCaptionBack;
constexpr std::uint32_t kHeadingBack = colours::kDetailBack;
constexpr std::uint32_t kBoxBack = colours::kBlack;
constexpr std::uint32_t kBoxText = colours::kValueGreen;
constexpr int kBoxHeight = 360;
constexpr double kCellPoints = 9.75;
constexpr double kHydrogenPoints = 8.25;

QString indexedName(const char* base, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(index);
}

} // namespace

frm1::frm1(std::unique_ptr<platform::VbRandom> random, QWidget* parent)
    : QWidget(parent), random_(random ? std::move(random) : std::make_unique<platform::VbRandom>()) {
    initResources();
    setObjectName(QStringLiteral("frm1"));
    setWindowTitle(QStringLiteral(" Orvane"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/orvane.svg")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    layout::applyColors(this, colours::kWindowBack, layout::kDefault);
    setFont(platform::uiFont(8.25));
    resize(designSize());
    buildControls();
    connectHandlers();
    Form_Load();
}

frm1::~frm1() = default;

QSize frm1::designSize() {
    return platform::toPx(QSize(layout::kClientWidth, layout::kClientHeight));
}

QWidget* frm1::control(const char* name) const {
    return findChild<QWidget*>(QString::fromLatin1(name), Qt::FindChildrenRecursively);
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
    shpSelecao_ = qobject_cast<SelectionFrame*>(byName.value(QStringLiteral("shpSelecao")));
    lblSimb_ = qobject_cast<QLabel*>(byName.value(QStringLiteral("lblSimb")));
    lblA_ = qobject_cast<QLabel*>(byName.value(QStringLiteral("lblA")));
    lblZ_ = qobject_cast<QLabel*>(byName.value(QStringLiteral("lblZ")));
    for (int n = 0; n < int(pctLeg_.size()); ++n) {
        pctLeg_[n] = byName.value(indexedName("pctLeg", n));
        pctLeg_[n]->setVisible(n == 0);
    }
    qobject_cast<QPushButton*>(byName.value(QStringLiteral("optCol(1)")))->setChecked(true);

    buildGrid();
    buildHeadings();
    buildDetailPanel();
    shpSelecao_->raise();
    // The search box comes first in the tab order and holds the focus when the window opens.
    setTabOrder(txtBusca_, cmbTab_);
    txtBusca_->setFocus();
}

void frm1::buildGrid() {
    for (int i = 0; i < grid::kCellCount; ++i) {
        const int z = i + 1;
        auto* cell = new ElementCell(i, pctTabela_);
        cell->setObjectName(indexedName("lbl", i));
        const QPoint place = grid::cellTopLeft(z);
        cell->setGeometry(platform::twipsRect(place.x(), place.y(), grid::kCellWidth, grid::kCellHeight));
        cell->setFont(platform::uiFont(i == 0 ? kHydrogenPoints : kCellPoints));
        cell->setText(grid::cellSymbol(z));
        const auto textColour = grid::cellTextColor(z);
        layout::applyColors(cell, grid::defaultCellColor(z),
                            textColour ? std::int64_t(*textColour) : layout::kDefault);
        lbl_[i] = cell;
    }
    for (int n = 0; n < int(lblPeriodo_.size()); ++n) {
        const layout::PeriodLabel& period = layout::periodLabels()[n];
        lblPeriodo_[n] = layout::makeLabel(
            pctTabela_, indexedName("lblPeriodo", n),
            {period.left, period.top, layout::kPeriodLabelWidth, layout::kPeriodLabelHeight},
            QString::fromLatin1(period.caption), kTableBack, kPeriodText, 8.25, layout::Centre, false);
    }
}

void frm1::buildHeadings() {
    // Each group's small number sits just above the topmost cell of its column (the lanthanide
    // and actinide rows do not count); the heading row runs across the top of the table.
    std::array<int, 19> topmost{};
    for (int z = 1; z <= grid::kCellCount; ++z) {
        const grid::CellPlace place = grid::cellPlace(z);
        if (place.top < grid::kLanthanideTop &&
            (topmost[place.column] == 0 || place.top < topmost[place.column]))
            topmost[place.column] = place.top;
    }
    for (int g = 0; g < 18; ++g) {
        const int cellLeft = grid::columnLeft(g + 1);
        lblfamilia_[g] = layout::makeLabel(
            pctTabela_, indexedName("lblfamilia", g), {cellLeft + 15, topmost[g + 1] - 180, 405, 165},
            QString::number(g + 1), layout::kTransparent, kWhite, 6.75, layout::Centre, false);
        lblfamilia_[g + 18] = layout::makeLabel(
            pctTabela_, indexedName("lblfamilia", g + 18), {cellLeft - 30, 60, 465, 225},
            QString::fromLatin1(layout::familyName(g + 1)), kHeadingBack, kWhite, 8.25, layout::Centre, true);
    }
    lblfamilia_[36] =
        layout::makeLabel(pctTabela_, indexedName("lblfamilia", 36), {3510, 60, 1365, 225},
                          QStringLiteral("8B"), kHeadingBack, kWhite, 8.25, layout::Centre, true);
    lblfamilia_[37] = layout::makeLabel(pctTabela_, indexedName("lblfamilia", 37), {3630, 1590, 1185, 195},
                                        QStringLiteral("|¨¨¨¨¨¨ 8B ¨¨¨¨¨¨|"), layout::kTransparent, kWhite,
                                        6.75, layout::Centre, false);
    lblfamilia_[36]->raise();
    lblfamilia_[37]->hide();
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
    txtValor_[0] = makeBox(control("Frame2"), 0, platform::twipsRect(60, 240, 1425, 315));
    txtValor_[0]->setFrame(false);
    txtValor_[0]->setFont(platform::uiFont(12));
    layout::applyColors(txtValor_[0], kTableBack, kBoxText);

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
        layout::applyColors(txtValor_[n], kBoxBack, kBoxText);
    }
}

void frm1::Form_Load() {
    // 1. Remember the design colours and captions before views and caption modes change them.
    for (int i = 0; i < grid::kCellCount; ++i) {
        defaultCellColors_.append(QString::number(platform::toBgr(lbl_[i]->backColor())));
        cellSymbols_.append(lbl_[i]->text());
    }
    // 2. The element list, and each cell's tool tip.
    QStringList entries;
    for (int z = 1; z <= grid::kCellCount; ++z) {
        currentRecord_ = TPDEQ::GetElementRecord(std::int16_t(z));
        if (!currentRecord_)
            continue;
        const QString name = QString::fromStdString((*currentRecord_)[TPDEQ::name]);
        entries.append(QStringLiteral("%1 - %2").arg(name).arg(z, 3, 10, QLatin1Char('0')));
        lbl_[z - 1]->setToolTip(QStringLiteral("%1 - %2").arg(z).arg(name));
    }
    cmbN_->appendSilently(entries);
    // 3. The view list, kept in alphabetical order.
    cmbTab_->insertSortedSilently(views::viewNames());
    // 4. Walk the view list up to the default view; every step after the first applies its view.
    for (int k = 0; k < cmbTab_->count(); ++k) {
        cmbTab_->setListIndex(k);
        if (cmbTab_->currentText() == views::kDefaultView)
            break;
    }
    // 5. A random element.
    random_->reseed();
    cmbN_->setListIndex(random_->nearestOfScaled(grid::kCellCount - 1));
    // 6. Where the content panel goes back to when the window is restored.
    panelHome_ = picTela_->pos();
    // 7. Tool tips.
    for (QLabel* period : lblPeriodo_)
        period->setToolTip(QStringLiteral("Períodos"));
    for (QLabel* heading : lblfamilia_)
        heading->setToolTip(QStringLiteral("Grupos"));
    // 8. Symbol over atomic number in every cell.
    cmdSimb2_Click();
    // 9. The mass box explains its brackets and parentheses.
    const QString massTip = QStringLiteral(
        "Valores incertos estão entre parênteses. Entre colchetes, valores do isótopo mais estável. "
        "O valores têm como referência o isótopo 12 do carbono");
    txtValor_[2]->setToolTip(massTip);
    lblNome_[2]->setToolTip(massTip);
}
