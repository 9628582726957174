// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - colour values laid out 0x00BBGGRR (red in the low byte) and the two text forms they
// travel in: decimal digits ("13748664") or "&H" with six upper-case hexadecimal digits ("&H00D189").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace colour {

enum class TextForm { Decimal, Literal };

// Parses either text form ("&h" and lower-case digits too); nullopt for anything that is not
// a colour value from 0 to 0xFFFFFF.
std::optional<std::uint32_t> parseText(std::string_view text);

// "13748664" or "&HD1C9B8".
std::string toText(std::uint32_t bgr, TextForm form);

// The colour with these components.
constexpr std::uint32_t fromRgb(int red, int green, int blue) {
    return std::uint32_t(red & 0xFF) | std::uint32_t(green & 0xFF) << 8 | std::uint32_t(blue & 0xFF) << 16;
}

} // namespace colour
