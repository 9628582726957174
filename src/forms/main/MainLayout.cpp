// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainLayout.h"

#include "data/CellGrid.h"
#include "forms/common/Colours.h"

namespace layout {
namespace {

using colour::kBlack;
using colour::kDetailBack;
using colour::kTableBack;
using colour::kWhite;
constexpr std::uint32_t kGreen = colour::kValueGreen;

// clang-format off
const ControlRow kControls[] = {
    // name          parent       kind                 left   top  width height caption tool tip icon
    {"picTela",      nullptr,     Kind::Panel,          180,     0, 10995, 8235, "", "", "", colour::kWindowBack},
    {"pctTabela",    "picTela",   Kind::Panel,           30,     0,  8655, 4605, "", "", "", kTableBack},
    {"lblLan1",      "pctTabela", Kind::Label,         1290,  2670,   435,  405, "*", "", "", 0x60FEFF, kDefault, 18, Centre},
    {"lblAct1",      "pctTabela", Kind::Label,         1290,  3090,   435,  405, "~", "", "", 0x6E9BBD, kDefault, 18, Centre},
    {"lblLan2",      "pctTabela", Kind::Label,          840,  3660,   435,  405, "*", "", "", 0x60FEFF, kDefault, 18, Centre},
    {"lblAct2",      "pctTabela", Kind::Label,          840,  4080,   435,  405, "~", "", "", 0x6E9BBD, kDefault, 18, Centre},
    {"Frame1",       "pctTabela", Kind::Frame,         1710,   450,  2025,  945, "Símbolo", "", "", kTableBack, kWhite},
    {"lblSimb",      "Frame1",    Kind::Label,         1380,   360,   615,  345, "Xxx", "Símbolo", "", kTransparent, kGreen, 13.5},
    {"lblA",         "Frame1",    Kind::Label,           90,   210,  1215,  285, "AAA", "Massa Atômica", "", kTransparent, kGreen, 9.75, Right},
    {"lblZ",         "Frame1",    Kind::Label,          900,   630,   405,  225, "ZZZ", "Número Atômico", "", kTransparent, kGreen, 8.25, Right},
    {"Frame2",       "pctTabela", Kind::Frame,         3810,   450,  1545,  615, "CAS-ID", "", "", kTableBack, kWhite},
    {"Picture3",     "picTela",   Kind::Panel,         8760,     0,  2205,  735, "", "", "", kTableBack},
    {"Label2",       "Picture3",  Kind::Label,           60,    45,  2085,  255, "Mostrar grupos como:", "", "", kBlack, kWhite, 8.25, Centre, true},
    {"optCol(0)",    "Picture3",  Kind::OptionButton,    60,   330,  1005,  315, "Famílias", "Famílias"},
    {"optCol(1)",    "Picture3",  Kind::OptionButton,  1110,   330,  1005,  315, "IUPAC", "IUPAC"},
    {"lblTit",       "picTela",   Kind::Label,         8760,   900,  2205,  255, "Legenda", "", "", kBlack, kWhite, 8.25, Centre, true},
    {"pctLeg(0)",    "picTela",   Kind::Panel,         8760,  1140,  2205, 3045, "", "", "", kTableBack},
    {"pctLeg(1)",    "picTela",   Kind::Panel,         8760,  1140,  2205, 3045, "", "", "", kTableBack},
    {"pctLeg(2)",    "picTela",   Kind::Panel,         8760,  1140,  2205, 3045, "", "", "", kTableBack},
    {"pctLeg(3)",    "picTela",   Kind::Panel,         8760,  1140,  2205, 3045, "", "", "", kTableBack},
    {"pctLeg(4)",    "picTela",   Kind::Panel,         8760,  1140,  2205, 3045, "", "", "", kTableBack},
    {"pctLeg(5)",    "picTela",   Kind::Panel,         8760,  1140,  2205, 3045, "", "", "", kTableBack},
    {"pctLeg(6)",    "picTela",   Kind::Panel,         8760,  1140,  2205, 3045, "", "", "", kTableBack},
    {"pctLeg(7)",    "picTela",   Kind::Panel,         8760,  1140,  2205, 3045, "", "", "", kTableBack},
    {"pctLeg(8)",    "picTela",   Kind::Panel,         8760,  1140,  2205, 3045, "", "", "", kTableBack},
    {"imgLogo",      "picTela",   Kind::Image,         9480,  4260,   870,  240, "", "Clique!", ":/icons/logo.png"},
    {"pctTab",       "picTela",   Kind::Panel,           30,  4590, 10935,  525},
    {"pctTab1",      "pctTab",    Kind::Panel,           60,    60,  5865,  405},
    {"cmdA2",        "pctTab1",   Kind::Button,           0,     0,   555,  345, "", "Tabela anterior", ":/icons/previous.png"},
    {"cmbTab",       "pctTab1",   Kind::Combo,          570,     0,  4695,  360, "", "Selecione a tabela que deseja ver", "", kBlack, 0xFFFF00},
    {"cmdP2",        "pctTab1",   Kind::Button,        5250,     0,   555,  345, "", "Próxima tabela", ":/icons/next.png"},
    {"chkOnTop",     "pctTab",    Kind::CheckButton,   5970,    60,   405,  375, "", "Sempre Visível", ":/icons/ontop.png"},
    {"cmdRel",       "pctTab",    Kind::Button,        6420,    60,   435,  375, "", "Exibe os dados como um relatório", ":/icons/report.png"},
    {"cmdAni",       "pctTab",    Kind::Button,        6900,    60,   435,  375, "", "Animar", ":/icons/animate.png"},
    {"cmdSimb1",     "pctTab",    Kind::Button,        7380,    60,   435,  375, "", "Mostrar somente os símbolos dos elementos", ":/icons/symbols.png"},
    {"cmdSimb2",     "pctTab",    Kind::Button,        7860,    60,   435,  375, "", "Mostrar nº. de oxidação", ":/icons/numbers.png"},
    {"txtBusca",     "pctTab",    Kind::SearchBox,     8340,    60,  2025,  390, "",
     "Digite o nome (pode ser em inglês), o  nº de oxidação ou o símbolo do elemento e aperte \"Enter\"", "", kBlack, kGreen, 12},
    {"cmdBusca",     "pctTab",    Kind::Button,       10410,    60,   435,  375, "", "Localizar", ":/icons/search.png"},
    {"Picture2",     "picTela",   Kind::Panel,           30,  5100, 10935, 3045, "", "", "", kDetailBack},
    {"Picture1",     "Picture2",  Kind::Panel,         1920,    30,  3795,  585, "", "", "", kDetailBack},
    {"Label3",       "Picture1",  Kind::Label,           60,    60,  3645,  465, "", "", "", kTransparent, kDefault, 8.25, Left, true},
    {"cmdA",         "Picture1",  Kind::Button,          90,    90,   555,  405, "", "Elemento anterior", ":/icons/previous.png"},
    {"cmbN",         "Picture1",  Kind::Combo,          660,    90,  2460,  420, "", "Selecione um Elemento", "", kBlack, kGreen, 12},
    {"cmdP",         "Picture1",  Kind::Button,        3120,    90,   555,  405, "", "Próximo elemento", ":/icons/next.png"},
};

const DetailField kDetails[] = {
    // n  caption                            left  top  width  box tool tip / caption tool tip
    { 1, "Número Atômico",                     30,  240, 1935, "", "Nº de oxidação"},
    { 2, "Massa Atômica",                    5700,  240, 1785, "", ""},
    { 3, "Camadas",                          7470,  240, 1845, "K , L , M , N , O , P , Q",
                                                               "K , L , M , N , O , P , Q"},
    { 4, "Configuração Eletrônica",          7530,  840, 3345, "", ""},
    { 5, "Orbital",                          9300,  240, 1575, "", ""},
    { 6, "Fusão",                              30, 1440, 1635, "grau(s) Celsius", "grau(s) Celsius"},
    { 7, "Ebulição",                         1650, 1440, 1725, "grau(s) Celsius", "grau(s) Celsius"},
    { 8, "Densidade a 300K",                 5070, 1440, 1695, "grama(s) / centímetro(s) cúbico(s)",
                                                               "grama(s) / centímetro(s) cúbico(s)"},
    { 9, "Raio Covalente",                     30,  840, 1905, "1 Angström (Å) = 1E-10 m = 10^(-10) m",
                                                               "1 Angström (Å) = 1E-10 m = 10^(-10) m"},
    {10, "Raio Iônico",                      1920,  840, 2205, "Angström (Å) ou 1E-10 m",
                                                               "Angström (Å) ou 1E-10 m"},
    {11, "Raio Atômico",                     4110,  840, 1875, "1 Angström (Å) = 1E-10 m = 10^(-10) m",
                                                               "1 Angström (Å) = 1E-10 m = 10^(-10) m"},
    {12, "Volume Atômico",                   5970,  840, 1575, "centímetro(s) cúbico(s) / mol",
                                                               "centímetro(s) cúbico(s) / mol"},
    {13, "Eletronegatividade",               6750, 1440, 1785, "Escala de Linus Pauling ",
                                                               "Escala de Linus Pauling"},
    {14, "1ª E. de Ionização",               6750, 2040, 1785, "Volts", "Volts"},
    {15, "Condutividade Elétrica",           8520, 1440, 2355, "E+6 / ohm(s) / metro(s)",
                                                               "E+6 / ohm(s) / metro(s)"},
    {16, "Origem do Nome",                     30, 2610, 5595, "", ""},
    {17, "Descoberto por / Descoberto em",   5610, 2610, 5265, "", ""},
    {18, "Nome em Inglês",                   8520, 2040, 2355, "", ""},
    {19, "Rede Cristalográfica",               30, 2040, 5055, "", ""},
    {20, "Estado à C.N.T.P.",                3360, 1440, 1725,
     "Condições normais de temperatura e pressão = 0 °C e 1atm",
     "Condições normais de temperatura e pressão = 0 °C e 1atm"},
    {21, "Origem",                           5070, 2040, 1695, "", ""},
};

// Box Top, caption Top and caption height of the five bands of the detail panel.
constexpr int kBands[][3] = {
    { 240,   30, 225},
    { 840,  600, 255},
    {1440, 1200, 285},
    {2040, 1800, 255},
    {2610, 2370, 255},
};
// clang-format on

} // namespace

std::span<const ControlRow> mainControls() {
    return kControls;
}

std::span<const DetailField> detailFields() {
    return kDetails;
}

TwipsRect captionRect(const DetailField& field) {
    TwipsRect rect{field.left, field.boxTop - 255, field.width, 255};
    for (const auto& band : kBands)
        if (band[0] == field.boxTop) {
            rect.top = band[1];
            rect.height = band[2];
        }
    // Three captions differ from their boxes.
    if (field.index == 1)
        rect.width = 1905;
    if (field.index == 17) {
        rect.left = 5580;
        rect.width = 5295;
    }
    if (field.index == 20)
        rect.height = 255;
    return rect;
}

} // namespace layout

namespace layout {
namespace {

// clang-format off
const PeriodLabel kPeriodLabels[] = {
    {90, 690, "1"}, {90, 1080, "2"}, {90, 1500, "3"}, {90, 1920, "4"}, {90, 2340, "5"},
    {90, 2760, "6"}, {90, 3180, "7"}, {540, 3750, "6"}, {540, 4170, "7"},
};

// clang-format on

} // namespace

std::span<const PeriodLabel> periodLabels() {
    return kPeriodLabels;
}

TwipsRect headingRect(int index) {
    if (index == kWide8B)
        return {3510, 60, 1365, 225};
    if (index == kBracket8B)
        return {3630, 1590, 1185, 195};
    // The heading row runs across the top of the table; each group's small number sits just
    // above the topmost cell of its column.
    if (index >= kHeadingRow) {
        const int group = index - kHeadingRow + 1;
        return {grid::columnLeft(group) - 30, 60, 465, 225};
    }
    const int group = index - kSmallHeadings + 1;
    return {grid::columnLeft(group) + 15, grid::topmostCellTop(group) - 180, 405, 165};
}

} // namespace layout

namespace layout {

TwipsRect legendSwatchRect(int row) {
    return {60, 60 + 240 * row, 255, 255};
}

TwipsRect legendCaptionRect(int row, int captionHeight) {
    // The widest caption the panel holds, so that long captions wrap rather than run out of it.
    return {420, 90 + 240 * row, 1725, captionHeight};
}

} // namespace layout
