#include "desktop/pace_clock.h"

#include <thread>

namespace kelo::desktop {

PaceClock::Clock::time_point PaceClock::nextStart() {
    // Longer behind than this, the schedule was idle (between flights), not late.
    constexpr auto idleAfter = std::chrono::milliseconds(20);
    const auto now = Clock::now();
    if (next_ + idleAfter < now) {
        next_ = now;
    }
    return next_;
}

void PaceClock::wait(std::chrono::microseconds duration) {
    next_ = nextStart() + duration;
    std::this_thread::sleep_until(next_);
}

}  // namespace kelo::desktop
