// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a reference program for the periodic table of the chemical elements.
#include "forms/main/frm1.h"
#include "forms/startup/frmSplash.h"
#include "platform/AppInfo.h"
#include "platform/DisplayChoice.h"
#include "platform/FocusStyle.h"
#include "platform/FontConfigWarmUp.h"
#include "platform/Fonts.h"
#include "platform/SingleInstance.h"
#include "platform/StartupChecks.h"
#include "platform/StartupNotification.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    if (const auto status = platform::answerCommandLine(argc, argv))
        return *status;
    // Qt's X11 platform clears the launcher's startup id as it connects.
    const QString startupId = qEnvironmentVariable(platform::launch::kIdVariable);
    std::optional<platform::DisplayGuard> guard(std::in_place, argc, argv);
    platform::preferX11WhenReachable(argc, argv);
    platform::FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    guard.reset();
    fontConfig.wait();
    QApplication::setApplicationName(platform::productName());
    QApplication::setApplicationVersion(platform::versionText());
    QApplication::setDesktopFileName(QStringLiteral(ORVANE_APP_ID));
    // Qt's own texts (the boxes' context menus, the message box's button) in Brazilian Portuguese too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    // One style everywhere, so the colours of the layout tables look the same on every desktop.
    QApplication::setStyle(new platform::FocusStyle);
    // One family everywhere: messages, tool tips and menus too. A line edit also lays out its empty
    // text in the application's font before it takes its own, which otherwise loads a second family.
    QApplication::setFont(platform::uiFont(8.25));

    platform::SingleInstance instance(platform::SingleInstance::defaultNames());
    std::unique_ptr<frm1> mainWindow;
    platform::SingleInstance::Role role;
    {
        frmSplash splash(instance, startupId);
        mainWindow = splash.Form_Load();
        role = splash.role();
    }
    if (role == platform::SingleInstance::Role::Unreachable) {
        // Never end silently: the other copy holds the lock but does not answer.
        const QString why = QStringLiteral("O Orvane já está aberto, mas a outra cópia não respondeu. "
                                           "Feche-a e abra o Orvane de novo.");
        std::fprintf(stderr, "%s\n", qPrintable(why));
        QMessageBox::warning(nullptr, platform::productName(), why);
        return 1;
    }
    if (!mainWindow)
        return 0;
    return app.exec();
}
