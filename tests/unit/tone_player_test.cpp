// The whistle's player ends promptly when the game closes, even when the close comes in the
// moment between the player's last look for work and its sleep.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>
#include <thread>

#include "desktop/sound/tone_player.h"

using kelo::desktop::TonePlayer;
using namespace std::chrono_literals;

TEST(TonePlayer, AStopRequestedAsTheThreadGoesToSleepEndsItPromptly) {
    // No sound server: once its connection has failed, the thread has nothing to time and
    // sleeps until it is woken.
    ::setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    std::promise<void> aboutToSleep;
    std::atomic<bool> forced = false;
    auto player = std::make_unique<TonePlayer>([&](int timeoutMicroseconds) {
        if (timeoutMicroseconds == -1 && !forced.exchange(true)) {
            aboutToSleep.set_value();
            // The game closes now: its stop request and wake-up land before the sleep.
            std::this_thread::sleep_for(100ms);
        }
    });
    ASSERT_EQ(aboutToSleep.get_future().wait_for(5s), std::future_status::ready);
    auto closing = std::async(std::launch::async, [&] { player.reset(); });
    if (closing.wait_for(3s) != std::future_status::ready) {
        // The thread sleeps for good and the player's destructor never returns: report, and end
        // the process, which could not end otherwise.
        ADD_FAILURE() << "closing waited for ever: the wake-up was lost";
        std::fflush(stdout);
        std::_Exit(1);
    }
}
