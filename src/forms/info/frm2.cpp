// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm2.h"

#include "ComparisonTable.h"
#include "forms/common/Colours.h"
#include "forms/common/ControlFactory.h"
#include "forms/common/Placement.h"
#include "platform/Fonts.h"
#include "platform/ProcessFacts.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QLineEdit>

namespace {

using layout::Kind;
constexpr int kClientWidth = 7440; // twips
constexpr int kClientHeight = 3765;

// clang-format off
const layout::ControlRow kControls[] = {
    // name      parent   kind             left   top  width height caption
    {"Label1",   nullptr, Kind::Label,      270,  180,  6795, 1035,
     "Valores entre parênteses são valores do isótopo mais estável, As massas atômicas têm como "
     "referência o isótopo 12 do carbono", "", "", colour::kWhite},
    {"txt1",     nullptr, Kind::TextBox,     30,  840,  7365,  345},
    {"txt2",     nullptr, Kind::TextBox,     30, 1230,  7365,  345},
};
constexpr layout::TwipsRect kPicture = {60, 1740, 4035, 1980}; // Image1
// clang-format on

QString yesNo(bool value) {
    return value ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
}

} // namespace

std::span<const layout::ControlRow> frm2::controlRows() {
    return kControls;
}

layout::TwipsRect frm2::picturePlace() {
    return kPicture;
}

frm2::frm2(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frm2"));
    setWindowTitle(QStringLiteral("Informações"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(platform::uiFont(8.25));
    layout::applyColours(this, colour::kWhite, layout::kDefault);
    setFixedSize(platform::toPx(QSize(kClientWidth, kClientHeight)));
    for (const layout::ControlRow& row : kControls)
        layout::makeControl(row, this);
    auto* note = findChild<QLabel*>(QStringLiteral("Label1"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txt1_ = findChild<QLineEdit*>(QStringLiteral("txt1"));
    txt2_ = findChild<QLineEdit*>(QStringLiteral("txt2"));
    auto* picture = new ComparisonTable(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(platform::twipsRect(kPicture.left, kPicture.top, kPicture.width, kPicture.height));
    layout::centreOnScreen(*this);
    Form_Load();
}

void frm2::Form_Load() {
    setWindowIcon(mainWindow_ ? mainWindow_->windowIcon() : QIcon());
    const platform::ProcessFacts facts = platform::processFacts(mainWindow_ ? *mainWindow_ : *this);
    txt1_->setText(facts.folder + QStringLiteral("  taskvisible:") + yesNo(facts.inTaskList) +
                   QStringLiteral(" ThreadID= ") + QString::number(facts.mainThreadId));
    txt2_->setText(facts.executableName + QStringLiteral("  ") + QString::number(facts.instanceHandle));
    txt1_->setCursorPosition(0);
    txt2_->setCursorPosition(0);
}
