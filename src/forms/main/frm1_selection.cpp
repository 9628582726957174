// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: selecting an element and filling the card and the detail panel.
#include "frm1.h"

#include "CellGrid.h"
#include "ElementCell.h"
#include "ValueDecoders.h"
#include "forms/common/Shape.h"
#include "platform/EventComboBox.h"
#include "platform/Fonts.h"
#include "platform/QtText.h"
#include "platform/ReadOnlyLineEdit.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kFrameOffset = 10; // twips: the frame reaches this far beyond the cell's top and left
constexpr char kConductivityUnit[] = " E6/ohms/m";

// A box's text as its change handler leaves it: the decimal-comma boxes show every "." as ",".
QString withDecimalComma(int index, QString text) {
    if (TPDEQ::showsDecimalComma(std::size_t(index)))
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace

void frm1::cmbN_Click() {
    // The entry ends in Z as three digits.
    bool ok = false;
    const int z = cmbN_->currentText().right(3).toInt(&ok);
    if (!ok || z < 1 || z > TPDEQ::kElementCount)
        return;
    const int i = z - 1;
    const grid::CellPlace place = grid::cellPlace(z);
    shpSelecao_->move(platform::toPx(QPoint(place.left - kFrameOffset, place.top - kFrameOffset)));
    lbl_[selectedIndex_]->setHighlighted(false);
    lbl_[i]->setHighlighted(true);

    currentRecord_ = TPDEQ::GetElementRecord(std::int16_t(z));
    if (currentRecord_) {
        for (int n = 1; n <= 18; ++n)
            setDetailText(n, platform::qtText((*currentRecord_)[n]));
    }
    if (txtValor_[15]->text() != QLatin1String("---"))
        setDetailText(15, txtValor_[15]->text() + QLatin1String(kConductivityUnit));
    setDetailText(19, platform::qtText(TPDEQ::LatticeName(std::int16_t(z))));
    setDetailText(20, platform::qtText(TPDEQ::StateName(std::int16_t(z))));
    setDetailText(21, platform::qtText(TPDEQ::OriginName(std::int16_t(z))));

    lblSimb_->setText(cellSymbols_.value(i));
    lblA_->setText(txtValor_[2]->text());
    lblA_->setFont(platform::fittedFont(cardMassFont_, lblA_->text(), lblA_->width()));
    lblZ_->setText(QString::number(z));
    if (currentRecord_)
        setDetailText(0, platform::qtText((*currentRecord_)[TPDEQ::casNumber]));
    selectedIndex_ = i;
    // Screen readers say the newly selected element.
    QAccessibleValueChangeEvent announcement(cmbN_, cmbN_->currentText());
    QAccessible::updateAccessibility(&announcement);
}

void frm1::setDetailText(int index, const QString& text) {
    // The box shows the start of its value, narrowed to fit or with the whole value as its tip.
    // Given with its commas already, the value is laid out once instead of again by the handler.
    txtValor_[index]->showValue(withDecimalComma(index, text));
}

void frm1::txtValor_Change(int index) {
    const QString text = withDecimalComma(index, txtValor_[index]->text());
    // Writing back an unchanged text would only raise this handler again.
    if (text != txtValor_[index]->text())
        txtValor_[index]->setText(text);
}

void frm1::lbl_MouseDown(int index, Qt::MouseButton) {
    cmbN_->setListIndex(index);
    // No list keeps the focus, so the arrow keys act on the table.
    txtBusca_->setFocus();
}

void frm1::cmdA_Click() {
    cmbN_->stepListIndex(-1);
}

void frm1::cmdP_Click() {
    cmbN_->stepListIndex(+1);
}
