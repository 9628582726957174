// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the two caption modes of the cells, symbols alone or symbol over atomic number.
#include "frm1.h"

#include "PeriodicTable.h"
#include "data/CellGrid.h"
#include "platform/Fonts.h"
#include "platform/QtText.h"

#include <QLineEdit>

void frm1::cmdSimb1_Click() {
    setCellCaptions(false);
    focusSearchBox();
}

void frm1::cmdSimb2_Click() {
    setCellCaptions(true);
    focusSearchBox();
}

void frm1::setCellCaptions(bool withNumbers) {
    for (int i = 0; i < TPDEQ::kElementCount; ++i) {
        const QString symbol = platform::qtText(grid::cellSymbol(i + 1));
        table_->setText(i, withNumbers ? symbol + QLatin1Char('\n') + QString::number(i + 1) : symbol);
        QFont font = table_->cellFont(i);
        font.setPixelSize(platform::fontPx(withNumbers ? 8 : 12));
        table_->setCellFont(i, font);
    }
}
