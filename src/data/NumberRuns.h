// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - tables that give a value to runs of atomic numbers. The numbers of each value are
// written as text in the way the classification tables are read, "1, 6-8, 11": single numbers
// and inclusive ranges separated by commas. The first group that holds a number gives its value.
// A table is read once, when it is compiled, into one entry per atomic number, so that a lookup
// costs one index.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace runs {

inline constexpr int kLargestNumber = 118; // the runs list atomic numbers, 1 to 118

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

// True if the text is a non-empty list of rising runs within 1 to kLargestNumber, read completely.
constexpr bool wellFormed(std::string_view numbers) {
    int previous = 0;
    int runCount = 0;
    bool rising = true;
    detail::anyRun(numbers, [&](int first, int last) {
        rising = rising && first > previous && last >= first && last <= kLargestNumber;
        previous = last;
        ++runCount;
        return false;
    });
    int commas = 0;
    for (char c : numbers)
        commas += c == ',';
    return rising && runCount > 0 && runCount == commas + 1;
}

// The groups of a table, read into the group of each number.
template <typename Value, std::size_t N> class Table {
  public:
    constexpr explicit Table(const Group<Value> (&groups)[N]) {
        for (std::size_t g = 0; g < N; ++g) {
            values_[g] = groups[g].value;
            wellFormed_ = wellFormed_ && runs::wellFormed(groups[g].numbers);
        }
        for (int number = 0; number <= kLargestNumber; ++number) {
            groupOf_[number] = -1;
            for (std::size_t g = 0; g < N && groupOf_[number] < 0; ++g)
                if (contains(groups[g].numbers, number))
                    groupOf_[number] = std::int8_t(g);
        }
    }

    // Every group's text is well formed; check it with a static_assert where the table is written.
    constexpr bool wellFormed() const { return wellFormed_; }

    // The value of the first group that holds the number, or nullopt.
    constexpr std::optional<Value> lookup(int number) const {
        if (number < 0 || number > kLargestNumber || groupOf_[number] < 0)
            return std::nullopt;
        return values_[groupOf_[number]];
    }

  private:
    std::array<Value, N> values_{};
    std::array<std::int8_t, kLargestNumber + 1> groupOf_{};
    bool wellFormed_ = true;
};

template <typename Value, std::size_t N> Table(const Group<Value> (&)[N]) -> Table<Value, N>;

} // namespace runs
