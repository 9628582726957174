// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: Form_Load, which fills the lists and runs the handlers that bring up the first view and element.
#include "frm1.h"

#include "ElementCell.h"
#include "Views.h"
#include "platform/BgrColour.h"
#include "platform/EventComboBox.h"
#include "platform/QtText.h"
#include "platform/ReadOnlyLineEdit.h"

#include <QLabel>

void frm1::Form_Load() {
    // 1. Remember the design colours and captions before views and caption modes change them.
    for (int i = 0; i < TPDEQ::kElementCount; ++i) {
        defaultCellColors_.append(QString::number(platform::toBgr(lbl_[i]->backColor())));
        cellSymbols_.append(lbl_[i]->text());
    }
    // 2. The element list, and each cell's tool tip.
    QStringList entries;
    for (int z = 1; z <= TPDEQ::kElementCount; ++z) {
        currentRecord_ = TPDEQ::GetElementRecord(std::int16_t(z));
        if (!currentRecord_)
            continue;
        const QString name = QString::fromStdString((*currentRecord_)[TPDEQ::name]);
        entries.append(QStringLiteral("%1 - %2").arg(name).arg(z, 3, 10, QLatin1Char('0')));
        lbl_[z - 1]->setToolTip(QStringLiteral("%1 - %2").arg(z).arg(name));
    }
    cmbN_->appendSilently(entries);
    // 3. The view list, kept in alphabetical order.
    QStringList viewNames;
    for (const std::string_view name : views::offeredNames())
        viewNames.append(platform::qtText(name));
    cmbTab_->insertSortedSilently(viewNames);
    // 4. Walk the view list up to the default view; every step after the first applies its view.
    for (int k = 0; k < cmbTab_->count(); ++k) {
        cmbTab_->setListIndex(k);
        if (cmbTab_->currentText() == platform::qtText(views::kDefaultView))
            break;
    }
    // 5. A random element.
    random_->reseed();
    cmbN_->setListIndex(random_->nearestOfScaled(TPDEQ::kElementCount - 1));
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
