// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the group-numbering switch. The family names live only in the captions: each switch
// moves them to the other row of headings before writing the numbers into the row they leave.
#include "frm1.h"

#include "MainLayout.h"
#include "PeriodicTable.h"

#include <QLineEdit>

void frm1::optCol_Click(int index) {
    constexpr int kGroups = 18;
    if (index == 0 || index == 1) {
        // 0 ("Famílias"): the names go down to the small labels, the numbers up to the heading row.
        const int names = index == 0 ? layout::kSmallHeadings : layout::kHeadingRow;
        const int numbers = index == 0 ? layout::kHeadingRow : layout::kSmallHeadings;
        for (int g = 0; g < kGroups; ++g)
            table_->setHeadingText(names + g, table_->headingText(numbers + g));
        table_->setHeadingVisible(layout::kWide8B, index == 1);
        table_->setHeadingVisible(layout::kBracket8B, index == 0);
        for (int g = 0; g < kGroups; ++g)
            table_->setHeadingText(numbers + g, QString::number(g + 1));
    }
    focusSearchBox();
}
