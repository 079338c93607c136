#pragma once

#include <chrono>

namespace kelo::desktop {

/// Waits on an absolute schedule (next += duration), so a run of short waits keeps its pace
/// instead of drifting by each sleep's overshoot. After a longer idle time the schedule starts
/// again from now.
class PaceClock {
  public:
    using Clock = std::chrono::steady_clock;

    /// When the next wait starts: where the last one ended, or now after an idle time.
    Clock::time_point nextStart();
    /// Waits until `duration` after the next start.
    void wait(std::chrono::microseconds duration);

  private:
    Clock::time_point next_{};
};

}  // namespace kelo::desktop
