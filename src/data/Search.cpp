// SPDX-License-Identifier: GPL-3.0-or-later
#include "Search.h"

#include "CellGrid.h"
#include "ElementTable.h"

#include <algorithm>
#include <array>

namespace search {
namespace {

// The Portuguese and English names and the symbols in upper case, read once: every search
// compares prefixes of these, and the worst search, which finds nothing, compares all of them
// four times.
struct UpperNames {
    std::array<std::u32string, TPDEQ::kElementCount> symbols;
    std::array<std::u32string, TPDEQ::kElementCount> portuguese;
    std::array<std::u32string, TPDEQ::kElementCount> english;
    // The first three letters of each, without accents.
    std::array<std::u32string, TPDEQ::kElementCount> portugueseFolded3;
    std::array<std::u32string, TPDEQ::kElementCount> englishFolded3;
};

std::u32string_view left(std::u32string_view text, std::size_t n);

const UpperNames& upperNames() {
    static const UpperNames names = [] {
        UpperNames read;
        for (int z = 1; z <= TPDEQ::kElementCount; ++z) {
            read.symbols[z - 1] = UpperCase(fromUtf8(grid::cellSymbol(z)));
            read.portuguese[z - 1] = UpperCase(fromUtf8(TPDEQ::ElementText(std::int16_t(z), TPDEQ::name)));
            read.english[z - 1] = UpperCase(fromUtf8(TPDEQ::ElementText(std::int16_t(z), TPDEQ::englishName)));
            read.portugueseFolded3[z - 1] = FoldAccents(left(read.portuguese[z - 1], 3));
            read.englishFolded3[z - 1] = FoldAccents(left(read.english[z - 1], 3));
        }
        return read;
    }();
    return names;
}

// The first n characters, or the whole text when it is shorter.
std::u32string_view left(std::u32string_view text, std::size_t n) {
    return text.substr(0, std::min(n, text.size()));
}

char32_t upperOf(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    if (c == 0xFF) // ÿ
        return 0x178;
    if (c == 0x161 || c == 0x153 || c == 0x17E) // š, œ, ž of Windows-1252
        return c - 1;
    return c;
}

// The number that the text is the plain decimal text of (no sign, blank or leading zero), if any.
std::optional<int> plainNumber(std::u32string_view text) {
    if (text.empty() || text.size() > 3 || text.front() == U'0')
        return std::nullopt;
    int number = 0;
    for (const char32_t c : text) {
        if (c < U'0' || c > U'9')
            return std::nullopt;
        number = number * 10 + int(c - U'0');
    }
    return number;
}

// The lowest atomic number for which matches(i) holds, i = Z - 1.
template <typename Matches> std::optional<int> firstElement(Matches matches) {
    for (int i = 0; i < TPDEQ::kElementCount; ++i)
        if (matches(i))
            return i + 1;
    return std::nullopt;
}

} // namespace

std::u32string FoldAccents(std::u32string_view text) {
    std::u32string folded(text);
    for (char32_t& c : folded) {
        if (c >= 0xC0 && c <= 0xC5)
            c = U'A';
        else if (c >= 0xE0 && c <= 0xE5)
            c = U'a';
        else if (c >= 0xC8 && c <= 0xCB)
            c = U'E';
        else if (c >= 0xE8 && c <= 0xEB)
            c = U'e';
        else if (c >= 0xCC && c <= 0xCF)
            c = U'I';
        else if (c >= 0xEC && c <= 0xEF)
            c = U'i';
        else if (c == 0xC7)
            c = U'C';
        else if (c == 0xE7)
            c = U'c';
    }
    return folded;
}

std::u32string UpperCase(std::u32string_view text) {
    std::u32string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), upperOf);
    return upper;
}

std::u32string fromUtf8(std::string_view utf8) {
    std::u32string text;
    text.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        const int length = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : (byte >> 3) == 0x1E ? 4 : 0;
        char32_t c = length == 1 ? byte : length == 2 ? byte & 0x1F : length == 3 ? byte & 0x0F : byte & 0x07;
        bool valid = length > 0 && at + length <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[at + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (valid && length > 1) {
            // Overlong forms, surrogates and numbers beyond Unicode are no characters.
            static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
            valid = c >= kSmallest[length] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        }
        text.push_back(valid ? c : U'\uFFFD');
        at += valid ? length : 1;
    }
    return text;
}

Result run(std::u32string_view typed) {
    if (typed == kReservedWord)
        return {Outcome::InfoWindow};
    if (typed.empty())
        return {Outcome::Ignored};
    const UpperNames& names = upperNames();
    const std::u32string upper = UpperCase(typed);
    const auto prefixesMatch = [&](std::size_t n, std::u32string_view wanted) {
        return [&, n, wanted](int i) {
            return left(names.portuguese[i], n) == wanted || left(names.english[i], n) == wanted;
        };
    };
    const std::optional<int> number = plainNumber(upper);
    std::optional<int> found = firstElement([&](int i) {
        return prefixesMatch(5, left(upper, 5))(i) ||
               names.symbols[i] == upper ||
               number == i + 1;
    });
    if (!found)
        found = firstElement(prefixesMatch(3, left(upper, 3)));
    if (!found) {
        const std::u32string folded = FoldAccents(left(upper, 3));
        found = firstElement([&](int i) {
            return names.portugueseFolded3[i] == folded || names.englishFolded3[i] == folded;
        });
    }
    if (!found)
        found = firstElement(prefixesMatch(2, left(upper, 2)));
    return found ? Result{Outcome::Found, *found} : Result{Outcome::NotFound};
}

} // namespace search
