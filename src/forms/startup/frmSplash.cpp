// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSplash.h"

#include "forms/common/ControlFactory.h"
#include "forms/main/frm1.h"
#include "platform/Activation.h"
#include "platform/AppInfo.h"
#include "platform/PngPictures.h"
#include "platform/SingleInstance.h"
#include "platform/StartupNotification.h"
#include "platform/Twips.h"

#include <QIcon>
#include <QLabel>

frmSplash::frmSplash(platform::SingleInstance& instance, const QString& startupId, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), instance_(instance),
      startupId_(startupId) {
    setObjectName(QStringLiteral("frmSplash"));
    const QRect whole = platform::twipsRect(0, 0, 6015, 3300);
    resize(whole.size());
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgSplah"));
    picture->setGeometry(whole);
    picture_ = picture;
    lblVersao_ = layout::makeLabel(this, QStringLiteral("lblVersao"), {120, 3000, 2400, 255},
                                   QStringLiteral("Ver. 1.0.0"), layout::kTransparent, 0x404040, 8.25,
                                   layout::Left, false);
}

std::unique_ptr<frm1> frmSplash::Form_Load() {
    // The main window runs its whole load step (lists, default view, random element) first.
    auto main = std::make_unique<frm1>();
    const QString title = platform::startupTitle();
    main->setWindowTitle(title);
    lblVersao_->setText(platform::versionText());
    // A desktop launcher gives the copy it starts a token that lets that copy take the focus; this
    // copy shows nothing, so it passes the token on to the copy that comes forward.
    role_ =
        instance_.start(title, platform::SingleInstance::handOverDeadline, platform::launchToken(startupId_));
    // No window of this copy will tell the launcher that its launch is over, so this copy does,
    // whether the other copy comes forward or not.
    if (role_ == platform::SingleInstance::Role::Secondary)
        platform::launch::endLaunch(startupId_);
    if (role_ != platform::SingleInstance::Role::Primary)
        return nullptr;
    frm1* window = main.get();
    connect(&instance_, &platform::SingleInstance::activationRequested, window,
            [window](const QString& asked, const QString& token) { window->restoreIfTitled(asked, token); });
    hide();
    main->show();
    return main;
}

void frmSplash::showEvent(QShowEvent* event) {
    // The picture is drawn only if the form is ever shown; the start-up never shows it.
    if (picture_->pixmap().isNull())
        picture_->setPixmap(platform::pngIcon(QStringLiteral(":/icons/splash.png")).pixmap(size()));
    QWidget::showEvent(event);
}
