// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a reference program for the periodic table of the chemical elements.
#include "forms/main/frm1.h"
#include "forms/startup/frmSplash.h"
#include "platform/AppInfo.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(platform::productName());
    QApplication::setApplicationVersion(platform::versionText());
    QApplication::setDesktopFileName(QStringLiteral("orvane"));
    // One style everywhere, so the colours of the layout tables look the same on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    platform::SingleInstance instance(platform::SingleInstance::defaultNames());
    std::unique_ptr<frm1> mainWindow;
    {
        frmSplash splash(instance);
        mainWindow = splash.Form_Load();
    }
    if (!mainWindow)
        return 0;
    return app.exec();
}
