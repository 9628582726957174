// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of a search that finds nothing, so runs all four passes over the 118 elements.
// Not a test: run it by hand.   bench_search [ROUNDS]
#include "Search.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

double micros(std::chrono::steady_clock::duration elapsed) {
    return std::chrono::duration<double, std::micro>(elapsed).count();
}

} // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    using Clock = std::chrono::steady_clock;

    // The first search also reads the names once.
    const auto firstStart = Clock::now();
    int sink = search::run(U"Xx").atomicNumber;
    const double first = micros(Clock::now() - firstStart);

    const struct {
        const char* label;
        std::u32string_view typed;
    } cases[] = {{"Xx (nothing)", U"Xx"},
                 {"15 letters (nothing)", U"Zzzzzzzzzzzzzzz"},
                 {"Iterbio (pass 3)", U"Iterbio"},
                 {"Fe (pass 1)", U"Fe"}};
    for (const auto& [label, typed] : cases) {
        const auto start = Clock::now();
        for (int round = 0; round < rounds; ++round)
            sink += search::run(typed).atomicNumber;
        std::printf("%-22s %7.2f us per search\n", label, micros(Clock::now() - start) / rounds);
    }
    std::printf("first search, reading the names: %.1f us (%d)\n", first, sink % 2);
    return 0;
}
