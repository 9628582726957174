// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - tables that give a value to runs of numbers. The numbers of each value are written
// as text in the way the classification tables are read, "1, 6-8, 11": single numbers and
// inclusive ranges separated by commas. The first group that holds a number gives its value.
#pragma once

#include <optional>
#include <string_view>

namespace runs {

// One value and the numbers that have it.
template <typename Value> struct Group {
    Value value;
    std::string_view numbers;
};

namespace detail {

// Calls visit(first, last) for every run of the text until it returns true; false if none did.
// Blanks are ignored. A text that is not well formed visits nothing past the fault.
template <typename Visit> constexpr bool anyRun(std::string_view numbers, Visit visit) {
    int first = -1;
    int value = -1;
    for (std::size_t at = 0; at <= numbers.size(); ++at) {
        const char c = at < numbers.size() ? numbers[at] : ',';
        if (c >= '0' && c <= '9') {
            value = (value < 0 ? 0 : value * 10) + (c - '0');
        } else if (c == '-' && value >= 0 && first < 0) {
            first = value;
            value = -1;
        } else if (c == ',' && value >= 0) {
            if (visit(first < 0 ? value : first, value))
                return true;
            first = -1;
            value = -1;
        } else if (c != ' ') {
            return false;
        }
    }
    return false;
}

} // namespace detail

// True if the runs text lists the number.
constexpr bool contains(std::string_view numbers, int number) {
    return detail::anyRun(numbers, [number](int first, int last) { return number >= first && number <= last; });
}

// True if the text is a non-empty list of rising runs that the lookup reads completely.
constexpr bool wellFormed(std::string_view numbers) {
    int previous = 0;
    int runCount = 0;
    bool rising = true;
    detail::anyRun(numbers, [&](int first, int last) {
        rising = rising && first > previous && last >= first;
        previous = last;
        ++runCount;
        return false;
    });
    int commas = 0;
    for (char c : numbers)
        commas += c == ',';
    return rising && runCount > 0 && runCount == commas + 1;
}

template <typename Value, std::size_t N> constexpr bool wellFormed(const Group<Value> (&table)[N]) {
    for (const Group<Value>& group : table)
        if (!wellFormed(group.numbers))
            return false;
    return true;
}

// The value of the first group that holds the number, or nullopt.
template <typename Value, std::size_t N>
constexpr std::optional<Value> lookup(const Group<Value> (&table)[N], int number) {
    for (const Group<Value>& group : table)
        if (contains(group.numbers, number))
            return group.value;
    return std::nullopt;
}

} // namespace runs
