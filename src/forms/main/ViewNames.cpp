// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewNames.h"

namespace views {

const QStringList& viewNames() {
    static const QStringList names = {
        QStringLiteral("Propriedades"),
        QStringLiteral("Efeito Biológico"),
        QStringLiteral("Estado a 25°C"),
        QStringLiteral("Estado a 700°C"),
        QStringLiteral("Número Atômico"),
        QStringLiteral("Data da Descoberta"),
        QStringLiteral("Supercondutores em Baixas Temperaturas"),
        QStringLiteral("Blocos s, p, d, f"),
        QStringLiteral("Rede Cristalográfica"),
        QStringLiteral("Raio Atômico"),
        QStringLiteral("Metais Alcalinos"),
        QStringLiteral("Metais Alcalinos-Terrosos"),
        QStringLiteral("Calcogênios"),
        QStringLiteral("Halogênios"),
        QStringLiteral("Semi-Metais (Metalóides)"),
        QStringLiteral("Não-Metais (Ametais)"),
        QStringLiteral("Gases Nobres"),
        QStringLiteral("Lantanídeos"),
        QStringLiteral("Actinídios"),
        QStringLiteral("Condutividade Térmica a 300K"),
        QStringLiteral("Metais Maleáveis"),
        QStringLiteral("Metais Duros ou Dúcteis"),
        QStringLiteral("Terras Raras"),
        QStringLiteral("Aluminóides"),
        QStringLiteral("Carbonóides"),
        QStringLiteral("Nitrogenóides - Pnictogênios"),
    };
    return names;
}

} // namespace views
