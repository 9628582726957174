// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the group-numbering switch. The family names live only in the captions: each switch
// moves them to the other row of headings before writing the numbers into the row they leave.
#include "frm1.h"

#include <QLabel>
#include <QLineEdit>

void frm1::optCol_Click(int index) {
    constexpr int kGroups = 18;
    QLabel* const* small = &lblfamilia_[0];     // just above each column's topmost cell
    QLabel* const* heading = &lblfamilia_[18];  // the row across the top of the table
    if (index == 0 || index == 1) {
        // 0 ("Famílias"): the names go down to the small labels, the numbers up to the heading row.
        QLabel* const* names = index == 0 ? small : heading;
        QLabel* const* numbers = index == 0 ? heading : small;
        for (int g = 0; g < kGroups; ++g)
            names[g]->setText(numbers[g]->text());
        lblfamilia_[36]->setVisible(index == 1); // the wide "8B" over the heading row
        lblfamilia_[37]->setVisible(index == 0); // the bracket over the small labels of groups 8 to 10
        for (int g = 0; g < kGroups; ++g)
            numbers[g]->setText(QString::number(g + 1));
    }
    txtBusca_->setFocus();
}
