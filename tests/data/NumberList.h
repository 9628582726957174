// SPDX-License-Identifier: GPL-3.0-or-later
// Reads lists of atomic numbers as the reference tables write them: "1, 6–8, 11" or "57 to 60".
// Kept apart from the library's own reader, so that the tests check the tables against the text.
#pragma once

#include <cstring>
#include <set>
#include <sstream>
#include <string>

inline std::set<int> numberList(std::string text) {
    for (const char* range : {"–", " to "})
        for (std::size_t at = text.find(range); at != std::string::npos; at = text.find(range))
            text.replace(at, std::strlen(range), " ~ ");
    std::set<int> numbers;
    std::istringstream items(text);
    for (std::string item; std::getline(items, item, ',');) {
        int first = 0;
        int last = 0;
        char tilde = 0;
        std::istringstream run(item);
        run >> first;
        last = (run >> tilde >> last) ? last : first;
        for (int z = first; z <= last; ++z)
            numbers.insert(z);
    }
    return numbers;
}
