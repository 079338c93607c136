// The flight: the ball's path, the whistle, and the one hit test at the target row.
#include <gtest/gtest.h>

#include "game/flight.h"
#include "support/headless_game.h"

using kelo::forms::PlatformRecords;
using kelo::testing::HeadlessGame;

namespace {

struct Flight : ::testing::Test {
    Flight() {
        game.start();
        game.platform.takeRecords();
    }
    PlatformRecords shotFrom(const std::string& aim) {
        game.type(aim);
        game.space();
        return game.platform.takeRecords();
    }
    std::vector<int> pitches(const PlatformRecords& records) {
        std::vector<int> hertz;
        for (const auto& tone : records.beeps) {
            EXPECT_EQ(tone.milliseconds, 5);
            hertz.push_back(tone.hertz);
        }
        return hertz;
    }
    HeadlessGame game;
};

TEST_F(Flight, FromTheLeftLeanReachesTargetZeroAtStep89) {
    game.setQuestion("3", "4", "4");
    const auto shot = shotFrom("A");
    ASSERT_EQ(shot.moves.size(), 90U);
    EXPECT_NEAR(shot.moves.back().left, 3315, 1);
    EXPECT_NEAR(shot.moves.back().top, 3435, 1);
    EXPECT_NE(game.w().lbl(0).caption(), "3") << "target 0 was hit and renumbered";
    EXPECT_EQ(game.w().lbl(1).caption(), "4");
}

TEST_F(Flight, FromTheRightLeanReachesTargetOneAtStep89) {
    game.setQuestion("3", "4", "4");
    const auto shot = shotFrom("AA");
    ASSERT_EQ(shot.moves.size(), 90U);
    EXPECT_NEAR(shot.moves.back().left, 11325, 1);
    EXPECT_NEAR(shot.moves.back().top, 3435, 1);
    EXPECT_EQ(game.w().lbl(0).caption(), "3");
    EXPECT_EQ(game.w().hasil.caption(), "1");
}

TEST_F(Flight, UprightStopsAtStep9BetweenTheTargets) {
    game.setQuestion("3", "4", "4");
    const auto shot = shotFrom("");
    ASSERT_EQ(shot.moves.size(), 10U);
    EXPECT_EQ(shot.moves.back().left, 7275);
    EXPECT_EQ(shot.moves.back().top, 2940);
    EXPECT_EQ(game.w().lbl(0).caption(), "3");
    EXPECT_EQ(game.w().lbl(1).caption(), "4");
    EXPECT_EQ(game.visibleCars(), HeadlessGame::firstCars(4));
}

TEST_F(Flight, StepZeroSoundsButDoesNotMove) {
    const auto shot = shotFrom("A");
    EXPECT_EQ(shot.moves.front().left, 7320);
    EXPECT_EQ(shot.moves.front().top, 7440);
    EXPECT_EQ(shot.beeps.front().hertz, 440);
    EXPECT_EQ(shot.pausedMilliseconds, 90 * 2) << "one 2 ms pause per step";
}

TEST_F(Flight, WhistlesUpThenDownOneToneAStep) {
    const auto hertz = pitches(shotFrom("A"));
    ASSERT_EQ(hertz.size(), 90U);
    const std::vector<std::pair<int, int>> expected{{0, 440},   {1, 586},   {4, 586},   {5, 779},
                                                    {7, 1037},  {11, 1381}, {13, 1838}, {17, 2446},
                                                    {19, 3256}, {22, 3256}, {23, 2960}, {25, 2691},
                                                    {29, 2446}, {31, 2224}, {83, 440},  {89, 364}};
    for (const auto& [step, tone] : expected) {
        EXPECT_EQ(hertz[static_cast<std::size_t>(step)], tone) << "step " << step;
    }
}

TEST_F(Flight, NeverReachingTheRowRunsToStep800WithSilenceFrom600) {
    // A level barrel: the ball rolls sideways and never climbs to the targets.
    auto& barrel = game.w().grs(0);
    barrel.setX2(barrel.x1() + 600);
    barrel.setY2(barrel.y1());
    const auto question = game.w().aba.tag();
    const auto shot = shotFrom("");
    EXPECT_EQ(shot.moves.size(), 801U);
    EXPECT_EQ(shot.beeps.size(), 600U);
    EXPECT_EQ(game.w().aba.tag(), question);
    EXPECT_EQ(game.w().bola.left(), 7320) << "the end of the shot follows as usual";
    EXPECT_EQ(game.w().tes.tag(), "1");
    EXPECT_TRUE(shot.abandoned.empty());
}

TEST(Whistle, KeepsRaisesAndLowersByTheStepRule) {
    EXPECT_EQ(kelo::game::nextTone(440, 0), 440);
    EXPECT_EQ(kelo::game::nextTone(440, 9), 440) << "multiples of 3 keep the pitch";
    EXPECT_DOUBLE_EQ(kelo::game::nextTone(440, 1), 440 * 1.1 * 1.1 * 1.1);
    EXPECT_DOUBLE_EQ(kelo::game::nextTone(440, 23), 440 / 1.1);
}

}  // namespace
