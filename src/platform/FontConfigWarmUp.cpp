// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace platform {

// FcInit loads the configuration once per process, in a way that is safe from any thread; Qt's
// own call later finds it loaded and returns at once.
FontConfigWarmUp::FontConfigWarmUp() : FontConfigWarmUp([] { FcInit(); }) {}

FontConfigWarmUp::FontConfigWarmUp(std::function<void()> work) {
    try {
        reader_ = std::thread(std::move(work));
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the configuration itself when it first needs it.
    }
}

FontConfigWarmUp::~FontConfigWarmUp() {
    wait();
}

void FontConfigWarmUp::wait() {
    if (reader_.joinable())
        reader_.join();
}

} // namespace platform
