// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - finding an element by what a user types: its Portuguese or English name, its symbol
// or its atomic number. Texts are sequences of Unicode code points, so that a prefix of five
// characters of "Hélio" is five letters whatever their encoding.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace search {

// Typed exactly, this word opens the information window instead of searching.
inline constexpr std::u32string_view kReservedWord = U"Q.X.W.J.";

// The text with the accented A, E, I, O, U, C, N and Y of Latin-1 (and Ÿ) replaced by the plain
// letters; every other character (Æ, Ø, ß ...) stays as it is, so the length does not change.
std::u32string FoldAccents(std::u32string_view text);

// The text with every lower-case letter of the Latin-1 (Windows-1252) pairs in upper case,
// accented letters included (à -> À, ç -> Ç, ÿ -> Ÿ); other characters stay as they are.
std::u32string UpperCase(std::u32string_view text);

// The code points of a UTF-8 text; a byte that is no valid UTF-8 gives U+FFFD.
std::u32string fromUtf8(std::string_view utf8);

enum class Outcome {
    Ignored,     // the empty text: nothing happens
    InfoWindow,  // the reserved word
    Found,       // the element with atomicNumber
    NotFound,    // the message that nothing was found
};

struct Result {
    Outcome outcome;
    int atomicNumber = 0; // 1 ... 118 when found
};

// What the search does with the text as typed. Five passes over the elements 1 to 118, each
// run only when the one before found nothing, the lowest atomic number winning within a pass:
// 0. the whole Portuguese or English name, ignoring every accent, or for 112 to 118 the name or the
//    symbol given since (Copernício, Nihonium, Og ...);
// 1. the first five letters of the Portuguese or English name, the whole symbol, the number;
// 2. the first three letters of either name; 3. the same without accents; 4. the first two.
// Letters are compared in upper case.
Result run(std::u32string_view typed);

} // namespace search
