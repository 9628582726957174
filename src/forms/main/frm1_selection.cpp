// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: selecting an element and filling the card and the detail panel.
#include "frm1.h"

#include "MainLayout.h"
#include "PeriodicTable.h"
#include "data/CellGrid.h"
#include "data/ElementCard.h"
#include "platform/EventComboBox.h"
#include "platform/Fonts.h"
#include "platform/QtText.h"
#include "platform/ReadOnlyLineEdit.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

void frm1::cmbN_Click() {
    const std::optional<int> entryNumber = card::atomicNumberOf(platform::stdText(cmbN_->currentText()));
    if (!entryNumber)
        return;
    const int z = *entryNumber;
    const int i = z - 1;
    const grid::CellPlace place = grid::cellPlace(z);
    table_->moveFrame(platform::toPx(
        QPoint(place.left - layout::kSelectionFrameOffset, place.top - layout::kSelectionFrameOffset)));
    table_->setHighlighted(selectedIndex_, false);
    table_->setHighlighted(i, true);

    currentRecord_ = TPDEQ::GetElementRecord(std::int16_t(z));
    const auto texts = card::boxTexts(z);
    for (std::size_t n = card::atomicNumberBox; n < card::kBoxCount; ++n)
        txtValor_[n]->showValue(platform::qtText(texts[n]));

    lblSimb_->setText(platform::qtText(grid::cellSymbol(z)));
    lblA_->setText(platform::qtText(texts[card::atomicMassBox]));
    lblA_->setFont(platform::fittedFont(cardMassFont_, lblA_->text(), lblA_->width()));
    lblZ_->setText(QString::number(z));
    txtValor_[card::casBox]->showValue(platform::qtText(texts[card::casBox]));
    selectedIndex_ = i;
    // Screen readers say the newly selected element.
    QAccessibleValueChangeEvent announcement(cmbN_, cmbN_->currentText());
    QAccessible::updateAccessibility(&announcement);
}

void frm1::txtValor_Change(int index) {
    if (index < 0 || index >= int(card::kBoxCount))
        return;
    const QString text =
        platform::qtText(card::shown(card::Box(index), platform::stdText(txtValor_[index]->text())));
    // Writing back an unchanged text would only raise this handler again.
    if (text != txtValor_[index]->text())
        txtValor_[index]->setText(text);
}

void frm1::lbl_MouseDown(int index, Qt::MouseButton) {
    cmbN_->setListIndex(index);
    // No list keeps the focus, so the arrow keys act on the table.
    focusSearchBox();
}

void frm1::cmdA_Click() {
    cmbN_->stepListIndex(-1);
}

void frm1::cmdP_Click() {
    cmbN_->stepListIndex(+1);
}
