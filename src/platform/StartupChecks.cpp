// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupChecks.h"

#include "DisplayChoice.h"
#include "DisplayFailure.h"
#include "data/Version.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace platform {
namespace {

QtMessageHandler previousHandler = nullptr;
DisplayFacts facts; // what the user chose, and which platforms Qt could not start

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

constexpr const char* kUsage = "Uso: orvane [opção]";
// The status command-line programs end with when they are called the wrong way.
constexpr int kUsageStatus = 2;

// Qt reads these options itself (a session manager restarts a program with -session, a user may
// pick -platform or -style); how many values follow each. -1 for anything else.
int qtOptionValues(const char* option) {
    if (option[0] != '-')
        return -1;
    // Qt takes each of its options with one dash or two.
    const char* name = option[1] == '-' ? option + 2 : option + 1;
    static constexpr const char* withValue[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
        "display",     "geometry",           "name",          "title",  "visual"};
    static constexpr const char* alone[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    // These also take their value in the same argument: "-style=fusion".
    static constexpr const char* joined[] = {"style", "stylesheet", "qmljsdebugger"};
    for (const char* known : withValue)
        if (std::strcmp(name, known) == 0)
            return 1;
    for (const char* known : alone)
        if (std::strcmp(name, known) == 0)
            return 0;
    for (const char* known : joined)
        if (std::strncmp(name, known, std::strlen(known)) == 0 && name[std::strlen(known)] == '=')
            return 0;
    return -1;
}

void holdBackUntilFatal(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        notePlatformMessage(message.toStdString(), facts);
        return;
    }
    facts.display = variable("DISPLAY");
    facts.waylandDisplay = variable("WAYLAND_DISPLAY");
    facts.runtimeDir = variable("XDG_RUNTIME_DIR");
    facts.xServerAnswers = socketAnswers(xSocketPath(std::getenv("DISPLAY")));
    std::fputs(displayFailureLine(facts).c_str(), stderr);
    std::_Exit(1);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    for (int arg = 1; arg < argc; ++arg) {
        const char* option = argv[arg];
        if (std::strcmp(option, "--version") == 0 || std::strcmp(option, "-v") == 0) {
            std::printf("%.*s %.*s\n", int(version::kProductName.size()), version::kProductName.data(),
                        int(version::kText.size()), version::kText.data());
            return 0;
        }
        if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
            std::printf("%s\n"
                        "Tabela periódica dos elementos químicos para consulta.\n\n"
                        "  -h, --help     mostra esta ajuda e sai\n"
                        "  -v, --version  mostra a versão e sai\n\n"
                        "Sem opções, abre a janela; se o Orvane já estiver aberto, traz a janela dele para a "
                        "frente.\n",
                        kUsage);
            return 0;
        }
        if (const int values = qtOptionValues(option); values >= 0) {
            arg += values;
            continue;
        }
        // The program takes no file or other argument either.
        const bool isOption = option[0] == '-' && option[1] != '\0';
        std::fprintf(stderr, "orvane: %s: %s\n%s\n", isOption ? "opção desconhecida" : "argumento inesperado",
                     option, kUsage);
        return kUsageStatus;
    }
    return std::nullopt;
}

DisplayGuard::DisplayGuard(int argc, char* argv[]) {
    const PlatformChoice choice = userPlatform(argc, argv, std::getenv("QT_QPA_PLATFORM"));
    facts.chosenPlatform = choice.name;
    facts.chosenWhere = choice.where;
    previousHandler = qInstallMessageHandler(holdBackUntilFatal);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(previousHandler);
}

} // namespace platform
