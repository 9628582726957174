// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: selecting an element, the detail panel, and the caption modes of the cells.
#include "frm1.h"

#include "ElementCell.h"
#include "GridLayout.h"
#include "SelectionFrame.h"
#include "ValueDecoders.h"
#include "platform/EventComboBox.h"
#include "platform/Fonts.h"
#include "platform/ReadOnlyLineEdit.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kFrameOffset = 10; // twips: the frame reaches this far beyond the cell's top and left
constexpr char kConductivityUnit[] = " E6/ohms/m";

// Boxes whose "." is shown as ",": the mass and the measured values.
bool showsDecimalComma(int index) {
    return index == 2 || (index >= 6 && index <= 15);
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void frm1::connectHandlers() {
    connect(cmbN_, &QComboBox::currentIndexChanged, this, &frm1::cmbN_Click);
    connect(cmbTab_, &QComboBox::currentIndexChanged, this, &frm1::cmbTab_Click);
    for (ElementCell* cell : lbl_)
        connect(cell, &ElementCell::pressed, this, &frm1::lbl_MouseDown);
    for (int n = 0; n < int(txtValor_.size()); ++n)
        connect(txtValor_[n], &QLineEdit::textChanged, this, [this, n] { txtValor_Change(n); });
    const auto onClick = [this](const char* name, void (frm1::*handler)()) {
        connect(qobject_cast<QPushButton*>(control(name)), &QPushButton::clicked, this, handler);
    };
    onClick("cmdA", &frm1::cmdA_Click);
    onClick("cmdP", &frm1::cmdP_Click);
    onClick("cmdA2", &frm1::cmdA2_Click);
    onClick("cmdP2", &frm1::cmdP2_Click);
    onClick("cmdSimb1", &frm1::cmdSimb1_Click);
    onClick("cmdSimb2", &frm1::cmdSimb2_Click);
    cmbN_->installEventFilter(this);
    cmbTab_->installEventFilter(this);
}

bool frm1::eventFilter(QObject* watched, QEvent* event) {
    // While either list holds the focus it handles the arrow keys itself.
    if ((watched == cmbN_ || watched == cmbTab_) &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        comboHasFocus_ = event->type() == QEvent::FocusIn;
    return QWidget::eventFilter(watched, event);
}

void frm1::cmbN_Click() {
    // The entry ends in Z as three digits.
    bool ok = false;
    const int z = cmbN_->currentText().right(3).toInt(&ok);
    if (!ok || z < 1 || z > grid::kCellCount)
        return;
    const int i = z - 1;
    const QPoint cellPlace = grid::cellTopLeft(z);
    shpSelecao_->move(platform::toPx(cellPlace - QPoint(kFrameOffset, kFrameOffset)));
    lbl_[selectedIndex_]->setHighlighted(false);
    lbl_[i]->setHighlighted(true);

    currentRecord_ = TPDEQ::GetElementRecord(std::int16_t(z));
    if (currentRecord_) {
        for (int n = 1; n <= 18; ++n)
            setDetailText(n, fromStd((*currentRecord_)[n]));
    }
    if (txtValor_[15]->text() != QLatin1String("---"))
        setDetailText(15, txtValor_[15]->text() + QLatin1String(kConductivityUnit));
    setDetailText(19, fromStd(TPDEQ::LatticeName(std::int16_t(z))));
    setDetailText(20, fromStd(TPDEQ::StateName(std::int16_t(z))));
    setDetailText(21, fromStd(TPDEQ::OriginName(std::int16_t(z))));

    lblSimb_->setText(cellSymbols_.value(i));
    lblA_->setText(txtValor_[2]->text());
    lblZ_->setText(QString::number(z));
    if (currentRecord_)
        setDetailText(0, fromStd((*currentRecord_)[TPDEQ::casNumber]));
    selectedIndex_ = i;
}

void frm1::setDetailText(int index, const QString& text) {
    txtValor_[index]->setText(text);
    // A box shows the start of its value, however long the value is.
    txtValor_[index]->setCursorPosition(0);
}

void frm1::txtValor_Change(int index) {
    if (!showsDecimalComma(index))
        return;
    QString text = txtValor_[index]->text();
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    // Writing back an unchanged text would only raise this handler again.
    if (text != txtValor_[index]->text())
        txtValor_[index]->setText(text);
}

void frm1::lbl_MouseDown(int index, Qt::MouseButton) {
    cmbN_->setListIndex(index);
    // No list keeps the focus, so the arrow keys act on the table.
    txtBusca_->setFocus();
}

void frm1::cmdA_Click() {
    cmbN_->stepListIndex(-1);
}

void frm1::cmdP_Click() {
    cmbN_->stepListIndex(+1);
}

void frm1::cmdSimb1_Click() {
    setCellCaptions(false);
    txtBusca_->setFocus();
}

void frm1::cmdSimb2_Click() {
    setCellCaptions(true);
    txtBusca_->setFocus();
}

void frm1::setCellCaptions(bool withNumbers) {
    for (int i = 0; i < grid::kCellCount; ++i) {
        const QString symbol = cellSymbols_.value(i);
        lbl_[i]->setText(withNumbers ? symbol + QLatin1Char('\n') + QString::number(i + 1) : symbol);
        QFont font = lbl_[i]->font();
        font.setPixelSize(platform::fontPx(withNumbers ? 8 : 12));
        lbl_[i]->setFont(font);
    }
}
