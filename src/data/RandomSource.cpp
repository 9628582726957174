// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RandomSource.h"

#include <chrono>
#include <cmath>

RandomSource::RandomSource() {
    reseed();
}

RandomSource::RandomSource(std::uint64_t seed) : fixedSeed_(seed), engine_(seed) {}

void RandomSource::reseed() {
    if (fixedSeed_)
        return;
    engine_.seed(std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double RandomSource::next() {
    // generate_canonical can round up to 1.0 on some libraries; keep the half-open interval.
    const double r = std::generate_canonical<double, 53>(engine_);
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}

int RandomSource::roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0);
    return static_cast<int>(up ? below + 1 : below);
}
