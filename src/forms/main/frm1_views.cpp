// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the view list, which recolours the cells and shows the matching legend.
#include "frm1.h"

#include "ElementCell.h"
#include "Legends.h"
#include "Views.h"
#include "platform/AppInfo.h"
#include "platform/BgrColour.h"
#include "platform/EventComboBox.h"
#include "platform/QtText.h"

#include <QLabel>

void frm1::cmbTab_Click() {
    const int k = cmbTab_->listIndex();
    // The view that was applied last stays as it is.
    if (k == lastViewIndex_ || k < 0)
        return;
    lastViewIndex_ = k;
    // An entry that names no view changes no cell and keeps the families legend.
    std::optional<int> legendNumber = 0;
    const QString viewName = cmbTab_->itemText(k);
    if (const views::View* view = views::findView(platform::stdText(viewName))) {
        const auto swatch = [this](int swatch) -> std::optional<std::uint32_t> {
            if (swatch < 0 || swatch >= int(lblLegenda_.size()))
                return std::nullopt;
            // A swatch whose panel was never shown is not built yet: it has its first colour.
            if (!lblLegenda_[swatch])
                return legends::swatchColour(swatch);
            return platform::toBgr(lblLegenda_[swatch]->palette().color(QPalette::Window));
        };
        const views::CellColours colours = views::cellColours(*view, swatch);
        for (int i = 0; i < TPDEQ::kElementCount; ++i)
            if (colours[i])
                lbl_[i]->setBackColor(platform::bgrColour(*colours[i]));
        legendNumber = view->legend;
    }
    // Every other panel is hidden, so at most one shows; the one kept is not hidden and shown again.
    for (int n = 0; n < int(pctLeg_.size()); ++n)
        pctLeg_[n]->setVisible(legendNumber == n);
    setWindowTitle(platform::caption(viewName));
}

void frm1::cmdA2_Click() {
    cmbTab_->stepListIndex(-1);
}

void frm1::cmdP2_Click() {
    cmbTab_->stepListIndex(+1);
}
