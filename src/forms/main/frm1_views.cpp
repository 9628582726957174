// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the view list, which recolours the cells and shows the matching legend.
#include "frm1.h"

#include "ColourText.h"
#include "ElementCell.h"
#include "ViewNames.h"
#include "platform/BgrColour.h"
#include "platform/EventComboBox.h"

void frm1::cmbTab_Click() {
    const int k = cmbTab_->listIndex();
    if (k == lastViewIndex_ || k < 0)
        return;
    lastViewIndex_ = k;
    for (QWidget* legend : pctLeg_)
        legend->hide();
    // A view without a match keeps legend 0; views without a legend will set none.
    std::optional<int> legendNumber = 0;
    const QString viewName = cmbTab_->itemText(k);
    if (viewName == views::kDefaultView) {
        for (int i = 0; i < TPDEQ::kElementCount; ++i)
            if (const auto colour = colour::parseText(defaultCellColors_.value(i).toStdString()))
                lbl_[i]->setBackColor(platform::bgrColour(*colour));
    }
    if (legendNumber)
        pctLeg_.at(*legendNumber)->show();
    setWindowTitle(QStringLiteral(" Orvane - ") + viewName);
}

void frm1::cmdA2_Click() {
    cmbTab_->stepListIndex(-1);
}

void frm1::cmdP2_Click() {
    cmbTab_->stepListIndex(+1);
}
