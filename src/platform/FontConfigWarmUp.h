// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - reads the system's font configuration on a second thread while Qt connects to the
// display. Otherwise the first text the window lays out waits while the configuration files and
// the font cache are read; on a second core that reading costs the start nothing.
#pragma once

#include <functional>
#include <thread>

namespace platform {

class FontConfigWarmUp {
  public:
    FontConfigWarmUp(); // starts reading
    // Runs other work on the thread instead, so that tests can see when it ends.
    explicit FontConfigWarmUp(std::function<void()> work);
    ~FontConfigWarmUp(); // waits for the reading to end
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;
    // Waits for the reading to end. Called before the first text is laid out, so that Qt never
    // starts a second reading of its own beside this one.
    void wait();

  private:
    std::thread reader_;
};

} // namespace platform
