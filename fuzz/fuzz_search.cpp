// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the search. Any bytes, read as UTF-8 with replacement, end in exactly one outcome,
// the same on a second run, and a found element is one of the 118.
#include "Search.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u32string typed = search::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const search::Result first = search::run(typed);
    const search::Result second = search::run(typed);
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
