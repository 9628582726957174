// SPDX-License-Identifier: GPL-3.0-or-later
#include "VbRandom.h"

#include <chrono>
#include <cmath>

namespace platform {

VbRandom::VbRandom() {
    reseed();
}

VbRandom::VbRandom(std::uint64_t seed) : fixedSeed_(seed), engine_(seed) {}

void VbRandom::reseed() {
    if (fixedSeed_)
        return;
    engine_.seed(std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double VbRandom::next() {
    // generate_canonical can round up to 1.0 on some libraries; keep the half-open interval.
    const double r = std::generate_canonical<double, 53>(engine_);
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}

int VbRandom::roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace platform
