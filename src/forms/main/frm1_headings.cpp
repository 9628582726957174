// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the group-numbering switch. The family names live only in the captions: each switch
// moves them to the other row of headings before writing the numbers into the row they leave.
#include "frm1.h"

#include "MainLayout.h"

#include <QLabel>
#include <QLineEdit>

void frm1::optCol_Click(int index) {
    constexpr int kGroups = 18;
    QLabel* const* small = &lblfamilia_[layout::kSmallHeadings];
    QLabel* const* heading = &lblfamilia_[layout::kHeadingRow];
    if (index == 0 || index == 1) {
        // 0 ("Famílias"): the names go down to the small labels, the numbers up to the heading row.
        QLabel* const* names = index == 0 ? small : heading;
        QLabel* const* numbers = index == 0 ? heading : small;
        for (int g = 0; g < kGroups; ++g)
            names[g]->setText(numbers[g]->text());
        lblfamilia_[layout::kWide8B]->setVisible(index == 1);
        lblfamilia_[layout::kBracket8B]->setVisible(index == 0);
        for (int g = 0; g < kGroups; ++g)
            numbers[g]->setText(QString::number(g + 1));
    }
    txtBusca_->setFocus();
}
