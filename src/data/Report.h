// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the element report: what the detail panel shows, as plain text, one line a field.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace report {

// The texts the report copies from the main window, as they are shown there.
struct Shown {
    std::string element; // the element list's entry, "Ferro - 026"
    std::string symbol;
    std::string casId;
    std::array<std::string, 21> captions; // lblNome(1 ... 21)
    std::array<std::string, 21> values;   // txtValor(1 ... 21)
};

// 24 lines joined by CR LF, none after the last: "Nome = ", "Símbolo = ", "Cas-ID = " and one
// "caption = value" line for each detail field. An empty value leaves the line ending in " = ".
std::string text(const Shown& shown);

// The report window's caption, " Orvane - Dados do elemento: Ferro - 026".
std::string caption(std::string_view element);

} // namespace report
