#include "desktop/pace_clock.h"

#include <thread>

namespace kelo::desktop {

void PaceClock::wait(std::chrono::microseconds duration) {
    constexpr auto idleAfter = std::chrono::milliseconds(20);
    const auto now = Clock::now();
    if (next_ + idleAfter < now) {
        next_ = now;
    }
    next_ += duration;
    std::this_thread::sleep_until(next_);
}

}  // namespace kelo::desktop
