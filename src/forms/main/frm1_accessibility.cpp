// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: names for screen readers. Picture buttons are named by their tool tips when they are made;
// here the cells get their element's name, number and group, and each value box the caption
// written above it.
#include "frm1.h"

#include "CellGrid.h"
#include "ElementCard.h"
#include "ElementCell.h"
#include "platform/ReadOnlyLineEdit.h"

#include <QLabel>
#include <QLineEdit>

void frm1::nameForAccessibility() {
    for (int i = 0; i < TPDEQ::kElementCount; ++i) {
        const int z = i + 1;
        const grid::CellPlace place = grid::cellPlace(z);
        const QString name = QString::fromStdString(std::string(TPDEQ::ElementText(std::int16_t(z), TPDEQ::name)));
        const QString group = place.top == grid::kLanthanideTop  ? QStringLiteral("lantanídeo")
                              : place.top == grid::kActinideTop ? QStringLiteral("actinídeo")
                                                                : QStringLiteral("grupo %1").arg(place.column);
        lbl_[i]->setAccessibleName(QStringLiteral("%1, número %2, %3").arg(name).arg(z).arg(group));
    }
    txtValor_[card::casBox]->setAccessibleName(QStringLiteral("CAS-ID"));
    for (std::size_t n = 1; n < txtValor_.size(); ++n)
        txtValor_[n]->setAccessibleName(lblNome_[n]->text());
    txtBusca_->setAccessibleName(QStringLiteral("Localizar elemento"));
}
