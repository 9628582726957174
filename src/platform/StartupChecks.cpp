// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupChecks.h"

#include "data/Version.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

QtMessageHandler previousHandler = nullptr;

void holdBackUntilFatal(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg)
        return;
    std::fputs("Orvane: não foi possível abrir a janela: nenhuma tela gráfica disponível "
               "(verifique a variável DISPLAY).\n",
               stderr);
    std::_Exit(1);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    for (int arg = 1; arg < argc; ++arg) {
        if (std::strcmp(argv[arg], "--version") == 0 || std::strcmp(argv[arg], "-v") == 0) {
            std::printf("%.*s %.*s\n", int(version::kProductName.size()), version::kProductName.data(),
                        int(version::kText.size()), version::kText.data());
            return 0;
        }
        if (std::strcmp(argv[arg], "--help") == 0 || std::strcmp(argv[arg], "-h") == 0) {
            std::printf("Uso: orvane [opção]\n"
                        "Tabela periódica dos elementos químicos para consulta.\n\n"
                        "  -h, --help     mostra esta ajuda e sai\n"
                        "  -v, --version  mostra a versão e sai\n\n"
                        "Sem opções, abre a janela; se o Orvane já estiver aberto, traz a janela dele para a frente.\n");
            return 0;
        }
    }
    return std::nullopt;
}

DisplayGuard::DisplayGuard() {
    previousHandler = qInstallMessageHandler(holdBackUntilFatal);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(previousHandler);
}

} // namespace platform
