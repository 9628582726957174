// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm3.h"

#include "forms/common/Colours.h"
#include "forms/common/ControlFactory.h"
#include "forms/common/Placement.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"

#include <QPlainTextEdit>

namespace {

constexpr int kClientWidth = 8715; // twips; txtRel fills the whole client area
constexpr int kClientHeight = 4365;
constexpr std::uint32_t kReportText = 0xFFFF00;

} // namespace

frm3::frm3(QWidget* mainWindow)
    : ModalWindow(mainWindow), mainWindow_(mainWindow), txtRel_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frm3"));
    const QSize client = platform::toPx(QSize(kClientWidth, kClientHeight));
    setFixedSize(client);
    txtRel_->setObjectName(QStringLiteral("txtRel"));
    txtRel_->setGeometry(QRect(QPoint(0, 0), client));
    txtRel_->setFont(platform::uiFont(12));
    layout::applyColours(txtRel_, colour::kBlack, kReportText);
    txtRel_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtRel_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtRel_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Read-only, yet the caret moves and selects with the keyboard as in any text.
    txtRel_->setReadOnly(true);
    txtRel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout::centreOnScreen(*this);
    Form_Load();
}

void frm3::Form_Load() {
    if (mainWindow_)
        setWindowIcon(mainWindow_->windowIcon());
}

void frm3::setReport(const QString& text) {
    txtRel_->setPlainText(text);
}

QString frm3::report() const {
    return txtRel_->toPlainText();
}
