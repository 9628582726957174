// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the report button. The report is made of what the detail panel shows, so it holds
// exactly the values and captions on the screen.
#include "frm1.h"

#include "data/ElementCard.h"
#include "data/Report.h"
#include "forms/report/frm3.h"
#include "platform/EventComboBox.h"
#include "platform/QtText.h"
#include "platform/ReadOnlyLineEdit.h"

#include <QLabel>
#include <QTimer>

void frm1::cmdRel_Click() {
    if (tmp_->isActive())
        return;
    frm3& window = *loadReportWindow();
    report::Shown shown;
    shown.element = platform::stdText(cmbN_->currentText());
    shown.symbol = platform::stdText(lblSimb_->text());
    shown.casId = platform::stdText(txtValor_[card::casBox]->text());
    for (std::size_t i = 0; i < shown.captions.size(); ++i) {
        shown.captions[i] = platform::stdText(lblNome_[i + 1]->text());
        shown.values[i] = platform::stdText(txtValor_[i + 1]->text());
    }
    window.setReport(platform::qtText(report::text(shown)));
    window.setWindowTitle(platform::qtText(report::caption(shown.element)));
    window.exec(); // closing it ends it: the next report makes a new window
    focusSearchBox();
}
