// SPDX-License-Identifier: GPL-3.0-or-later
// frm1: placing the content when the window is maximised or restored, and the hand-over
// from a second copy of the program.
#include "frm1.h"

#include "forms/common/Placement.h"
#include "platform/Activation.h"

#include <QEvent>
#include <QScreen>

void frm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frm1::Form_Resize() {
    const QScreen* display = screen();
    if (!display || placing_ || !picTela_)
        return;
    // The whole screen, not the window's client area, and no clamping on small screens.
    const QRect whole = display->geometry();
    if (windowState() & Qt::WindowMaximized)
        picTela_->move((whole.width() - picTela_->width()) / 2, (whole.height() - picTela_->height()) / 3);
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    placing_ = true;
    picTela_->move(panelHome_);
    // The border is fixed. The size hints keep most window managers from offering another size in a
    // drag; where one does anyway, the window snaps back to the design size.
    if (size() != designSize())
        resize(designSize());
    layout::centreOnScreen(*this);
    placing_ = false;
}

void frm1::restoreIfTitled(const QString& title, const QString& activationToken) {
    if (windowTitle() != title)
        return;
    // Restore from minimised or maximised to the normal place, then come forward.
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    show();
    raise();
    platform::activateWithToken(*this, activationToken);
}
