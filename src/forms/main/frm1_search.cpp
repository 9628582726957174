// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: the search box. The search itself is the data library's; this file hands it the text
// as typed and carries out what it found: a selection, the message, or the information window.
#include "frm1.h"

#include "data/Search.h"
#include "forms/info/frm2.h"
#include "platform/AppInfo.h"
#include "platform/EventComboBox.h"

#include <QLineEdit>
#include <QMessageBox>

void frm1::focusSearchBox() {
    // The focus comes here from elsewhere, or stays after a search: the whole text is selected, so
    // that typing replaces it.
    txtBusca_->setFocus();
    txtBusca_->selectAll();
}

void frm1::txtBusca_KeyPress(int keyAscii) {
    if (keyAscii != 13)
        return;
    cmdBusca_Click();
    if (txtBusca_->hasFocus())
        txtBusca_->selectAll();
}

void frm1::cmdBusca_Click() {
    const QString typed = txtBusca_->text();
    const search::Result result = search::run(typed.toStdU32String());
    switch (result.outcome) {
    case search::Outcome::Ignored:
        break;
    case search::Outcome::Found:
        cmbN_->setListIndex(result.atomicNumber - 1);
        break;
    case search::Outcome::InfoWindow: {
        // Created on first use and kept, texts and all, until the user closes it; a minimised one
        // comes back from the task bar.
        frm2& info = *loadInformationWindow();
        info.setWindowState(info.windowState() & ~Qt::WindowMinimized);
        info.show();
        info.raise();
        info.activateWindow();
        break;
    }
    case search::Outcome::NotFound: {
        QMessageBox message(QMessageBox::Warning, platform::productName() + QStringLiteral(" - Localizar"),
                            QStringLiteral("Nenhuma ocorrência encontrada para: \n") + typed, QMessageBox::Ok,
                            this);
        message.setTextFormat(Qt::PlainText); // the text as typed, never read as markup
        message.exec();
        break;
    }
    }
}
