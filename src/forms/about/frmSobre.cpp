// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSobre.h"

#include "forms/common/Colours.h"
#include "forms/common/ControlFactory.h"
#include "forms/common/Placement.h"
#include "platform/AppInfo.h"
#include "platform/Fonts.h"
#include "platform/OnTop.h"
#include "platform/ReadOnlyLineEdit.h"
#include "platform/Twips.h"
#include "data/Version.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

using layout::Kind;
using layout::kDefault;
using layout::kTransparent;
constexpr int kClientWidth = 5460; // twips
constexpr int kClientHeight = 2790;
constexpr std::uint32_t kButtonFace = colour::kDetailBack; // the flat OK button
constexpr std::uint32_t kButtonPressed = colour::kTableBack;
constexpr double kPoints = 9.75;

// Labels are transparent on the window's colour; the address boxes have no border (made below).
// clang-format off
const layout::ControlRow kControls[] = {
    // name         parent   kind           left   top  width height caption                       tip icon
    {"Image1",      nullptr, Kind::Image,    120,   120,   720,  720, "", "", ":/icons/orvane.png"},
    {"lblName",     nullptr, Kind::Label,    990,    90,  4395,  255, "", "", "", kTransparent, kDefault, kPoints},
    {"lblVersao",   nullptr, Kind::Label,    990,   330,  1605,  255, "", "", "", kTransparent, kDefault, kPoints},
    {"lblLast",     nullptr, Kind::Label,    960,   570,  4305,  240, "", "", "", kTransparent, kDefault, kPoints},
    {"Line1",       nullptr, Kind::Shape,    120,   960,  5220,   15, "", "", "", colour::kBlack},
    {"Label2",      nullptr, Kind::Label,     90,  1020,  2025,  255, "Distribuído por:", "", "", kTransparent, kDefault, kPoints},
    {"Image2",      nullptr, Kind::Image,   1770,  1020,  1200,  225, "", "", ":/icons/distributor.png"},
    {"Label6",      nullptr, Kind::Label,     90,  1590,  1920,  240, "Desenvolvido por:", "", "", kTransparent, kDefault, kPoints},
    {"imgMaker",    nullptr, Kind::Image,     90,  1830,   480,  480, "", "", ":/icons/maker.png"},
    {"Label4",      nullptr, Kind::Label,    630,  1830,  2730,  240, "Equipe Orvane", "", "", kTransparent, kDefault, kPoints},
    {"Shape1",      nullptr, Kind::Shape,   2115,  2400,  1245,  315, "", "", "", kButtonFace},
    {"lblOk",       nullptr, Kind::Label,   2145,  2430,  1185,  255, "OK", "", "", kButtonFace, colour::kWhite, kPoints, layout::Centre},
    // Below the client area, never seen.
    {"Label3",      nullptr, Kind::Label,     90,  3540,  2025,  255, "Agradecimentos:", "", "", kTransparent, kDefault, kPoints},
    {"lblA",        nullptr, Kind::Label,     90,  3810,  4395,  255, "Comunidade de usuários do Orvane", "", "", kTransparent, kDefault, kPoints},
    {"Label1",      nullptr, Kind::Label,     90,  4050,  4395,  255, "Equipe de testes do Orvane", "", "", kTransparent, kDefault, kPoints},
};

const frmSobre::AddressBox kAddresses[] = {
    {"txtSite", {90, 1260, 5265, 315}, "https://www.example.org/orvane"},
    {"txtMail", {630, 2070, 2565, 285}, "orvane@example.org"},
};
// clang-format on

constexpr const char* kBold[] = {"lblName", "Label2", "Label6", "lblOk", "Label3"};
constexpr const char* kSizedToText[] = {"lblLast", "Label6", "Label4"};

} // namespace

std::span<const layout::ControlRow> frmSobre::controlRows() {
    return kControls;
}

std::span<const frmSobre::AddressBox> frmSobre::addressBoxes() {
    return kAddresses;
}

frmSobre::frmSobre(QWidget* mainWindow) : ModalWindow(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmSobre"));
    setFixedSize(platform::toPx(QSize(kClientWidth, kClientHeight)));
    layout::applyColours(this, colour::kWindowBack, kDefault);
    for (const layout::ControlRow& row : kControls)
        layout::makeControl(row, this);
    for (const char* name : kBold) {
        auto* label = findChild<QLabel*>(QLatin1String(name));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    QWidget* previous = nullptr;
    for (const AddressBox& address : kAddresses) {
        auto* box = new platform::ReadOnlyLineEdit(this);
        box->setObjectName(QLatin1String(address.name));
        box->setGeometry(platform::twipsRect(address.place.left, address.place.top, address.place.width,
                                             address.place.height));
        box->setFont(platform::uiFont(kPoints));
        box->setEdge(false);
        layout::applyColours(box, colour::kWindowBack, kDefault);
        box->setText(QString::fromUtf8(address.text));
        box->setCursorPosition(0);
        if (previous)
            setTabOrder(previous, box);
        previous = box;
    }
    lblOk_ = findChild<QLabel*>(QStringLiteral("lblOk"));
    lblOk_->installEventFilter(this);
    layout::centreOnScreen(*this);
    Form_Load();
    // The window opens on the web address, selected as a click would select it, ready for Ctrl+C.
    auto* site = findChild<QLineEdit*>(QStringLiteral("txtSite"));
    site->setFocus();
    site->selectAll();
}

void frmSobre::Form_Load() {
    if (mainWindow_)
        setWindowIcon(mainWindow_->windowIcon());
    setWindowTitle(QStringLiteral(" Sobre ") + platform::productName());
    findChild<QLabel*>(QStringLiteral("lblName"))->setText(platform::productName());
    findChild<QLabel*>(QStringLiteral("lblVersao"))
        ->setText(QStringLiteral("Versão: %1.%2.%3").arg(version::kMajor).arg(version::kMinor).arg(version::kRevision));
    for (const char* name : kSizedToText)
        findChild<QLabel*>(QLatin1String(name))->adjustSize();
    platform::setTopmost(*this, true);
}

void frmSobre::lblOk_Click() {
    close();
}

void frmSobre::lblOk_MouseDown() {
    layout::applyColours(lblOk_, kButtonPressed, kDefault);
}

void frmSobre::lblOk_MouseUp() {
    layout::applyColours(lblOk_, kButtonFace, kDefault);
}

bool frmSobre::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (watched != lblOk_ || !(press || release))
        return ModalWindow::eventFilter(watched, event);
    // Any button darkens the label while it is down; only the left one clicks it.
    if (press) {
        lblOk_MouseDown();
        return true;
    }
    lblOk_MouseUp();
    // A click is a press and a release of the left button on the label.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && lblOk_->rect().contains(mouse->position().toPoint()))
        lblOk_Click();
    return true;
}
