// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Report.h"

#include "data/Version.h"

namespace report {

std::string text(const Shown& shown) {
    constexpr std::string_view kLineBreak = "\r\n";
    std::string lines = "Nome = " + shown.element;
    lines.append(kLineBreak).append("Símbolo = ").append(shown.symbol);
    lines.append(kLineBreak).append("Cas-ID = ").append(shown.casId);
    for (std::size_t i = 0; i < shown.captions.size(); ++i)
        lines.append(kLineBreak).append(shown.captions[i]).append(" = ").append(shown.values[i]);
    return lines;
}

std::string caption(std::string_view element) {
    return std::string(" ").append(version::kProductName).append(" - Dados do elemento: ").append(element);
}

} // namespace report
