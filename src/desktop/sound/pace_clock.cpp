#include "desktop/sound/pace_clock.h"

#include <thread>

namespace kelo::desktop {

PaceClock::Clock::time_point PaceClock::nextStart() {
    // This far behind, the handler did not run on (a message box waited for its OK, or the
    // computer slept): catching up would fire the rest of a flight in one burst.
    constexpr auto givenUpAfter = std::chrono::seconds(1);
    const auto now = Clock::now();
    if (next_ + givenUpAfter < now) {
        next_ = now;
    }
    return next_;
}

void PaceClock::wait(std::chrono::microseconds duration) {
    next_ = nextStart() + duration;
    std::this_thread::sleep_until(next_);
}

}  // namespace kelo::desktop
