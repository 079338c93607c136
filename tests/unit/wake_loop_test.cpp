// The loop the whistle's thread sleeps in: a stop request or a tone handed over just before the
// thread goes to sleep still wakes it, so closing the game never waits for ever.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>

#include "desktop/sound/wake_loop.h"

using kelo::desktop::WakeLoop;
using namespace std::chrono_literals;

namespace {

/// Runs one pass of the loop that may sleep for ever, on a thread of its own; whether it
/// returned within `patience`. A pass still asleep is woken afterwards, so the test ends.
bool passReturns(WakeLoop& loop, const std::function<bool()>& pending,
                 std::chrono::milliseconds patience) {
    auto pass = std::async(std::launch::async, [&] { return loop.iterate(-1, pending); });
    const bool returned = pass.wait_for(patience) == std::future_status::ready;
    while (pass.wait_for(10ms) != std::future_status::ready) {
        loop.wake();
    }
    return returned && pass.get();
}

TEST(WakeLoop, AStopRequestedBetweenTheThreadsLookAndItsSleepEndsTheSleep) {
    WakeLoop loop;
    ASSERT_TRUE(loop);
    std::atomic<bool> stopping = false;
    // The thread has looked (nothing to do) and is about to sleep when the stop comes.
    ASSERT_FALSE(stopping);
    stopping = true;
    loop.wake();
    EXPECT_TRUE(passReturns(
        loop, [&] { return stopping.load(); }, 2s));
}

TEST(WakeLoop, WithoutTheSecondLookThatWakeUpWouldBeLost) {
    // The fault the loop guards against is real: libpulse empties its wake-up pipe before it
    // sleeps, so a thread that does not look again sleeps through the request.
    WakeLoop loop;
    ASSERT_TRUE(loop);
    loop.wake();
    EXPECT_FALSE(passReturns(
        loop, [] { return false; }, 300ms));
}

TEST(WakeLoop, AWakeUpDuringTheSleepEndsIt) {
    WakeLoop loop;
    ASSERT_TRUE(loop);
    std::atomic<bool> handed = false;
    auto pass = std::async(std::launch::async,
                           [&] { return loop.iterate(-1, [&] { return handed.load(); }); });
    std::this_thread::sleep_for(50ms);
    handed = true;
    loop.wake();
    ASSERT_EQ(pass.wait_for(2s), std::future_status::ready);
    EXPECT_TRUE(pass.get());
}

}  // namespace
