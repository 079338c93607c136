#pragma once

#include <chrono>

namespace kelo::desktop {

/// Waits on an absolute schedule (next += duration), so a run of short waits keeps its pace
/// instead of drifting by each sleep's overshoot. After a longer idle time the schedule starts
/// again from now.
class PaceClock {
  public:
    using Clock = std::chrono::steady_clock;

    void wait(std::chrono::microseconds duration);
    /// The schedule continues from now (after a wait paced by something else).
    void resync() { next_ = Clock::now(); }

  private:
    Clock::time_point next_{};
};

}  // namespace kelo::desktop
