// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the search. Any bytes, read as UTF-8 with replacement, end in exactly one outcome,
// the same on a second run, and a found element is one of the 118.
#include "CellGrid.h"
#include "Search.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::u32string> symbols = [] {
        std::vector<std::u32string> all;
        for (int z = 1; z <= 118; ++z)
            all.push_back(search::fromUtf8(grid::cellSymbol(z)));
        return all;
    }();
    const std::u32string typed = search::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const search::Result first = search::run(typed, symbols);
    const search::Result second = search::run(typed, symbols);
    if (first.outcome != second.outcome || first.atomicNumber != second.atomicNumber)
        std::abort();
    if (first.outcome == search::Outcome::Found && (first.atomicNumber < 1 || first.atomicNumber > 118))
        std::abort();
    if ((first.outcome == search::Outcome::Ignored) != typed.empty())
        std::abort();
    if (search::FoldAccents(typed).size() != typed.size() || search::UpperCase(typed).size() != typed.size())
        std::abort();
    return 0;
}
