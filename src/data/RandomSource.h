// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - random draws in [0, 1), reseeded from the clock, with rounding that sends halves to even.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

class RandomSource {
  public:
    // Seeded from the clock; reseed() takes the clock again.
    RandomSource();
    // Seeded with a fixed value for tests; reseed() then keeps the sequence going, so draws stay repeatable.
    explicit RandomSource(std::uint64_t seed);

    void reseed();
    // A value r with 0 <= r < 1.
    double next();
    // The integer nearest to next() * scale: 0 ... scale, the ends half as likely as the others.
    int nearestOfScaled(int scale) { return roundHalfEven(next() * scale); }

    static int roundHalfEven(double value);

  private:
    std::optional<std::uint64_t> fixedSeed_;
    std::mt19937_64 engine_;
};
