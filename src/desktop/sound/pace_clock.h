#pragma once

#include <chrono>

namespace kelo::desktop {

/// Waits on an absolute schedule (next += duration) that each handled event starts afresh, so a
/// flight keeps its pace: a wait that the machine held up (a slow paint, a busy or stolen CPU)
/// is made up by the waits after it instead of adding to the flight.
class PaceClock {
  public:
    using Clock = std::chrono::steady_clock;

    /// A new event: its first wait starts now.
    void restart() { next_ = Clock::now(); }
    /// When the next wait starts: where the last one ended.
    Clock::time_point nextStart();
    /// Waits until `duration` after the next start; returns at once while behind the schedule.
    void wait(std::chrono::microseconds duration);

  private:
    Clock::time_point next_ = Clock::now();
};

}  // namespace kelo::desktop
