// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Search.h"

#include "data/CellGrid.h"
#include "data/ElementTable.h"

#include <algorithm>
#include <array>

namespace search {
namespace {

// The names and symbols given to the elements 112 to 118 after the table's own names were chosen.
// The search knows them too; the table, the list and the card keep the table's names. Fleróvio's
// symbol "Fl" is left out: the prefix passes find fluorine with it, as they always have.
struct LaterName {
    int atomicNumber;
    std::u32string_view portuguese, english, symbol;
};
// clang-format off
constexpr LaterName kLaterNames[] = {
    {112, U"Copernício",  U"Copernicium", U"Cn"},
    {113, U"Nihônio",     U"Nihonium",    U"Nh"},
    {114, U"Fleróvio",    U"Flerovium",   U""},
    {115, U"Moscóvio",    U"Moscovium",   U"Mc"},
    {116, U"Livermório",  U"Livermorium", U"Lv"},
    {117, U"Tenesso",     U"Tennessine",  U"Ts"},
    {118, U"Oganessônio", U"Oganesson",   U"Og"},
};
// clang-format on

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
    // The whole names in upper case without any accent.
    std::array<std::u32string, TPDEQ::kElementCount> portuguesePlain;
    std::array<std::u32string, TPDEQ::kElementCount> englishPlain;
    // The later names the same way, and their symbols in upper case, by kLaterNames' order.
    std::array<std::u32string, std::size(kLaterNames)> laterPortuguesePlain;
    std::array<std::u32string, std::size(kLaterNames)> laterEnglishPlain;
    std::array<std::u32string, std::size(kLaterNames)> laterSymbols;
};

std::u32string_view left(std::u32string_view text, std::size_t n);
std::u32string plainUpper(std::u32string_view text);

const UpperNames& upperNames() {
    static const UpperNames names = [] {
        UpperNames read;
        for (int z = 1; z <= TPDEQ::kElementCount; ++z) {
            read.symbols[z - 1] = UpperCase(fromUtf8(grid::cellSymbol(z)));
            read.portuguese[z - 1] = UpperCase(fromUtf8(TPDEQ::ElementText(std::int16_t(z), TPDEQ::ElementField::name)));
            read.english[z - 1] = UpperCase(fromUtf8(TPDEQ::ElementText(std::int16_t(z), TPDEQ::ElementField::englishName)));
            read.portugueseFolded3[z - 1] = FoldAccents(left(read.portuguese[z - 1], 3));
            read.englishFolded3[z - 1] = FoldAccents(left(read.english[z - 1], 3));
            read.portuguesePlain[z - 1] = plainUpper(read.portuguese[z - 1]);
            read.englishPlain[z - 1] = plainUpper(read.english[z - 1]);
        }
        for (std::size_t n = 0; n < std::size(kLaterNames); ++n) {
            read.laterPortuguesePlain[n] = plainUpper(kLaterNames[n].portuguese);
            read.laterEnglishPlain[n] = plainUpper(kLaterNames[n].english);
            read.laterSymbols[n] = UpperCase(kLaterNames[n].symbol);
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

// The text in upper case with every accented Latin letter as its plain letter: Latin-1 as in
// FoldAccents and Ø, and Latin Extended-A (Ā ... ž), so that a whole name typed without (or with
// other) accents is still that name.
std::u32string plainUpper(std::u32string_view text) {
    // clang-format off
    // U+0100 to U+017F; '.' stays as it is (Ĳ, ĸ, ŉ, Ŋ, Œ, ſ and their pairs).
    static constexpr std::u32string_view kExtendedA =
        U"AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi..JjKk.LlLlLlLlLl"
        U"NnNnNn...OoOoOo..RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZz.";
    // clang-format on
    std::u32string plain = FoldAccents(text);
    for (char32_t& c : plain) {
        if (c == 0xD8 || c == 0xF8) // Ø, ø
            c = U'O';
        else if (c >= 0x100 && c <= 0x17F && kExtendedA[c - 0x100] != U'.')
            c = kExtendedA[c - 0x100];
    }
    return UpperCase(plain);
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
    // clang-format off
    // Latin-1 from U+00C0 to U+00FF; '.' stays as it is (Æ, Ð, ×, Ø, Þ, ß, æ, ð, ÷, ø, þ).
    static constexpr std::u32string_view kPlain =
        U"AAAAAA.CEEEEIIII.NOOOOO..UUUUY.."
        U"aaaaaa.ceeeeiiii.nooooo..uuuuy.y";
    // clang-format on
    std::u32string folded(text);
    for (char32_t& c : folded) {
        if (c >= 0xC0 && c <= 0xFF && kPlain[c - 0xC0] != U'.')
            c = kPlain[c - 0xC0];
        else if (c == 0x178) // Ÿ, the upper case of ÿ
            c = U'Y';
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
    // A whole name, typed with or without its accents, finds its own element before any prefix
    // of another name can: "rodio" is Ródio, not Roentgênio. So do the later names of 112 to 118
    // and their symbols: "Nihonium" is element 113, not nitrogen.
    const std::u32string plain = plainUpper(typed);
    std::optional<int> found = firstElement([&](int i) {
        return names.portuguesePlain[i] == plain || names.englishPlain[i] == plain;
    });
    for (std::size_t n = 0; !found && n < std::size(kLaterNames); ++n) {
        if (names.laterPortuguesePlain[n] == plain || names.laterEnglishPlain[n] == plain ||
            (!names.laterSymbols[n].empty() && names.laterSymbols[n] == upper))
            found = kLaterNames[n].atomicNumber;
    }
    const std::optional<int> number = plainNumber(upper);
    if (!found) {
        found = firstElement([&](int i) {
            return prefixesMatch(5, left(upper, 5))(i) ||
                   names.symbols[i] == upper ||
                   number == i + 1;
        });
    }
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
