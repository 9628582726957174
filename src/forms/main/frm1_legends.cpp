// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: a legend panel's rows, built from the data library's legend table when the panel is first
// shown; most panels never are.
#include "frm1.h"

#include "Legends.h"
#include "MainLayout.h"
#include "forms/common/Colours.h"
#include "forms/common/ControlFactory.h"
#include "platform/Fonts.h"
#include "platform/QtText.h"

#include <QLabel>

using layout::indexedName;

void frm1::fillLegendPanel(int panelNumber) {
    QWidget* panel = pctLeg_[panelNumber];
    if (panel->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        return; // filled already: a legend panel holds nothing but its rows
    for (const legends::Row& row : legends::rows()) {
        if (row.panel != panelNumber)
            continue;
        const layout::TwipsRect swatchPlace = layout::legendSwatchRect(row.row);
        lblLegenda_[row.swatch] = layout::makeLabel(panel, indexedName("lblLegenda", row.swatch), swatchPlace,
                                                    QString(), row.colour, layout::kDefault, 8.25, layout::Left,
                                                    true);
        QLabel* caption = layout::makeLabel(panel, indexedName("lblClass", row.swatch),
                                            layout::legendCaptionRect(row.row, row.captionHeight),
                                            platform::qtText(row.caption), layout::kTransparent, colours::kWhite, 8.25,
                                            layout::Left, false);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A caption tall enough for two lines wraps; the others stay on their one line.
        if (caption->height() >= 2 * caption->fontMetrics().lineSpacing())
            caption->setWordWrap(true);
        else
            caption->setFont(platform::fittedFont(caption->font(), caption->text(), caption->width()));
        // The panel may be on screen already; rows made now show with it.
        lblLegenda_[row.swatch]->setVisible(true);
        caption->setVisible(true);
    }
}
