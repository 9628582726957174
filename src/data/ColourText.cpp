// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ColourText.h"

#include <charconv>

namespace colour {

std::optional<std::uint32_t> parseText(std::string_view text) {
    const bool hex = text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h');
    const std::string_view digits = hex ? text.substr(2) : text;
    if (digits.empty())
        return std::nullopt;
    const int base = hex ? 16 : 10;
    std::uint64_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFF)
            return std::nullopt;
    }
    return std::uint32_t(value);
}

std::string toText(std::uint32_t bgr, TextForm form) {
    bgr &= 0xFFFFFF;
    if (form == TextForm::Decimal) {
        char digits[8];
        const auto end = std::to_chars(digits, digits + sizeof digits, bgr).ptr;
        return std::string(digits, end);
    }
    std::string text = "&H000000";
    for (std::size_t at = text.size(); bgr != 0; bgr >>= 4)
        text[--at] = "0123456789ABCDEF"[bgr & 0xF];
    return text;
}

} // namespace colour
