// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: Form_Load, which fills the lists and runs the handlers that bring up the first view and element.
#include "frm1.h"

#include "ElementCard.h"
#include "ElementCell.h"
#include "Views.h"
#include "platform/EventComboBox.h"
#include "platform/QtText.h"
#include "platform/ReadOnlyLineEdit.h"

#include <QLabel>

void frm1::Form_Load() {
    // The element list, and each cell's tool tip.
    QStringList entries;
    for (int z = 1; z <= TPDEQ::kElementCount; ++z) {
        entries.append(platform::qtText(card::entryText(z)));
        lbl_[z - 1]->setToolTip(platform::qtText(card::cellToolTip(z)));
    }
    cmbN_->appendSilently(entries);
    // The view list, in the order the data library gives: alphabetical.
    QStringList viewNames;
    for (const std::string_view name : views::offeredNames())
        viewNames.append(platform::qtText(name));
    cmbTab_->appendSilently(viewNames);
    // Walk the view list up to the default view; every step after the first applies its view.
    for (int k = 0; k < cmbTab_->count(); ++k) {
        cmbTab_->setListIndex(k);
        if (cmbTab_->currentText() == platform::qtText(views::kDefaultView))
            break;
    }
    // A random element.
    random_->reseed();
    cmbN_->setListIndex(random_->nearestOfScaled(TPDEQ::kElementCount - 1));
    // Where the content panel goes back to when the window is restored.
    panelHome_ = picTela_->pos();
    // Tool tips.
    for (QLabel* period : lblPeriodo_)
        period->setToolTip(QStringLiteral("Períodos"));
    for (QLabel* heading : lblfamilia_)
        heading->setToolTip(QStringLiteral("Grupos"));
    // Symbol over atomic number in every cell.
    cmdSimb2_Click();
    // The mass box explains its brackets and parentheses.
    const QString massTip = QStringLiteral(
        "Valores incertos estão entre parênteses. Entre colchetes, valores do isótopo mais estável. "
        "O valores têm como referência o isótopo 12 do carbono");
    txtValor_[card::atomicMassBox]->setToolTip(massTip);
    lblNome_[card::atomicMassBox]->setToolTip(massTip);
}
