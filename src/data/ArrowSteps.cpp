// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArrowSteps.h"

namespace keys {
namespace {

// A range of atomic numbers and the step its elements take; the first range that holds the
// element applies.
struct Move {
    int first;
    int last;
    int step;
};

// clang-format off
constexpr Move kUp[] = {
    {58,  71, +46}, // lanthanides Ce ... Lu: up into period 7 (Rf ... Uus)
    {71, 118, -32}, // period 6 from Hf, period 7, the actinides: one row up
    {31,  56, -18}, // periods 4 and 5 outside the transition metals of period 4
    {10,  20,  -8}, // periods 2 and 3
    { 3,   3,  -2}, // Li -> H
};
constexpr Move kDown[] = {
    {104, 117, -46}, // period 7 from Rf: down into the lanthanides (Ce ... Lu)
    { 40,  86, +32}, // periods 5 and 6: one row down; La -> Ac, Cs -> Fr
    { 13,  38, +18}, // periods 3 and 4
    {  2,  18,  +8}, // periods 1 and 2
    {  1,   1,  +2}, // H -> Li
};
// clang-format on

template <std::size_t N> std::optional<int> stepFor(const Move (&moves)[N], int atomicNumber) {
    for (const Move& move : moves)
        if (atomicNumber >= move.first && atomicNumber <= move.last)
            return move.step;
    return std::nullopt;
}

std::optional<int> inList(int index, int count) {
    return index >= 0 && index < count ? std::optional(index) : std::nullopt;
}

} // namespace

std::optional<int> target(Arrow arrow, int index, int count) {
    const int z = index + 1;
    switch (arrow) {
    case Arrow::Right:
        return inList(index + 1, count);
    case Arrow::Left:
        return inList(index - 1, count);
    case Arrow::Up:
        if (const auto step = stepFor(kUp, z))
            return inList(index + *step, count);
        return std::nullopt;
    case Arrow::Down:
        if (const auto step = stepFor(kDown, z))
            return inList(index + *step, count);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace keys
