// SPDX-License-Identifier: GPL-3.0-or-later
// The nine legend panels row by row: swatch, colour, caption and caption height, written out here
// independently of the program's table so that a changed caption or colour shows.
#include "data/Legends.h"

#include <QtTest>
#include <iterator>

namespace {

struct Expected {
    int panel;
    int swatch;
    std::uint32_t colour;
    const char* caption;
    int captionHeight = 255;
};

// clang-format off
const Expected kLegend[] = {
    {0,  0, 0xDA8536, "Metais Alcalinos"},       {0,  1, 0xE8A44F, "Alcalinos -Terrosos"},
    {0,  2, 0xFFBB66, "Metais de Transição"},    {0,  3, 0xEE9944, "Outros Metais"},
    {0,  4, 0x00CCFF, "Semimetais (Metalóides)"},{0,  5, 0x8594EB, "Não - Metais (Ametais)"},
    {0,  6, 0x99A8FF, "Ametais Calcogênios"},    {0,  7, 0xC4C2FF, "Ametais Halogênios"},
    {0,  8, 0x00D189, "Gases Nobres"},           {0,  9, 0x50EEFF, "Série dos Lantanídios"},
    {0, 10, 0x5E8BAD, "Série dos Actinídios", 285}, {0, 11, 0xE0E0E0, "Sem Classificação", 285},
    {1, 12, 0x99A8FF, "Essencial"},              {1, 13, 0xFF8080, "Traços Essenciais"},
    {1, 14, 0x00D189, "Tóxico"},                 {1, 15, 0xFFFF00, "Radioativo"},
    {1, 16, 0xD1C9B8, "Baixo Impacto"},
    {2, 17, 0x00D189, "Gasoso"},                 {2, 18, 0xEAA76A, "Líquido"},
    {2, 19, 0x8A68FF, "Sólido"},                 {2, 51, 0xD1C9B8, "Sem dados"},
    {3, 20, 0xEAA76A, "Antes do século 18"},     {3, 21, 0x00D189, "Século 18"},
    {3, 22, 0x50EEFF, "Século 19"},              {3, 23, 0x5E8BAD, "Século 20"},
    {3, 52, 0x8594EB, "Século 21"},              {3, 53, 0xD1C9B8, "Sem dados"},
    {4, 24, 0x00D189, "Supercondutores"},        {4, 25, 0xEAA76A, "Supercondutores sob pressão", 435},
    {5, 29, 0x00D189, "Bloco S"},                {5, 28, 0x50EEFF, "Bloco P"},
    {5, 27, 0xE8A44F, "Bloco D"},                {5, 26, 0x8594EB, "Bloco F"},
    {6, 30, 0x99A8FF, "Cúbica"},                 {6, 31, 0x50EEFF, "Cúb. de Corpo Centrado"},
    {6, 32, 0xE8A44F, "Cúb. de Face Centrada"},  {6, 33, 0xFF8080, "Diamante"},
    {6, 34, 0xFF5CFF, "Hexagonal", 285},         {6, 35, 0x00D189, "Hexagonal Composta"},
    {6, 36, 0xA57C58, "Monocíclica"},            {6, 37, 0xE0E0E0, "Ortorrômbica"},
    {6, 38, 0x3EC1C1, "Romboédrica"},            {6, 39, 0x5E8BAD, "Tetragonal", 285},
    {6, 40, 0x54668D, "Tricíclica"},             {6, 41, 0x00CCFF, "Trigonal"},
    {7, 44, 0x00CCFF, "0 à  0,65 Å", 285},       {7, 45, 0x50EEFF, "0,66 à 1 Å"},
    {7, 46, 0x00D189, "1 à 1,32 Å"},             {7, 47, 0xFFBB66, "1,33 à 1,65 Å"},
    {7, 48, 0xEE9944, "1,66 à 1,99 Å"},          {7, 42, 0xC4C2FF, "2 à 2,22 Å"},
    {7, 49, 0x5E8BAD, "2,23 à 2,65 Å"},          {7, 50, 0x99A8FF, "Maior que 2,65 Å"},
    {7, 43, 0xD1C9B8, "Sem dados", 285},
    {8, 59, 0xEAA76A, "0 à 32 W/m/K"},           {8, 58, 0x00D189, "33 à 65 W/m/K"},
    {8, 57, 0x50EEFF, "66 à 99 W/m/K"},          {8, 56, 0x8A68FF, "100 à 132 W/m/K"},
    {8, 54, 0x00CCFF, "133 à 165 W/m/K"},        {8, 55, 0x99A8FF, "166 à 199 W/m/K"},
    {8, 60, 0xC4C2FF, "200 à 232 W/m/K"},        {8, 61, 0x5E8BAD, "Maior que 232 W/m/K"},
    {8, 62, 0xD1C9B8, "Sem dados"},
};
// clang-format on

} // namespace

class TestLegends : public QObject {
    Q_OBJECT
  private slots:
    void everyRowAsWritten();
};

void TestLegends::everyRowAsWritten() {
    // Same rows in the same order, panel by panel and top to bottom.
    const auto rows = legends::rows();
    QCOMPARE(rows.size(), std::size(kLegend));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const legends::Row& row = rows[i];
        const Expected& expected = kLegend[i];
        const QByteArray where = QByteArray::number(qulonglong(i)) + ": " + expected.caption;
        QVERIFY2(row.panel == expected.panel && row.swatch == expected.swatch, where);
        QVERIFY2(row.colour == expected.colour, where);
        QCOMPARE(QString::fromUtf8(row.caption.data(), qsizetype(row.caption.size())),
                 QString::fromUtf8(expected.caption));
        QVERIFY2(row.captionHeight == expected.captionHeight, where);
    }
}

QTEST_APPLESS_MAIN(TestLegends)
#include "tst_legends.moc"
