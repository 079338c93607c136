// The flight's clock: a wait that the computer held up is made up by the waits after it.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "desktop/sound/pace_clock.h"

using kelo::desktop::PaceClock;
using namespace std::chrono_literals;

TEST(PaceClock, AFlightHeldUpMidwayEndsOnItsSchedule) {
    PaceClock pace;
    pace.restart();
    const auto start = pace.nextStart();
    for (int step = 0; step < 20; ++step) {
        if (step == 5) {
            std::this_thread::sleep_for(40ms);  // a slow paint, or a CPU taken by another program
        }
        pace.wait(5ms);
    }
    EXPECT_EQ(pace.nextStart(), start + 100ms);
    EXPECT_GE(PaceClock::Clock::now(), start + 100ms);
}

TEST(PaceClock, EachEventStartsItsScheduleAfresh) {
    PaceClock pace;
    pace.restart();
    pace.wait(5ms);
    std::this_thread::sleep_for(30ms);  // back in the event loop between two shots
    const auto event = PaceClock::Clock::now();
    pace.restart();
    EXPECT_GE(pace.nextStart(), event);
    pace.wait(5ms);
    EXPECT_GE(PaceClock::Clock::now(), event + 5ms);
}
