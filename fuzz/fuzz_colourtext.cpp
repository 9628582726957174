// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the colour-text parser. Whatever it accepts is a 24-bit colour that both text forms
// give back unchanged.
#include "data/ColourText.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parsed = colour::parseText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parsed)
        return 0;
    if (*parsed > 0xFFFFFF)
        std::abort();
    for (const auto form : {colour::TextForm::Decimal, colour::TextForm::Literal})
        if (colour::parseText(colour::toText(*parsed, form)) != parsed)
            std::abort();
    return 0;
}
