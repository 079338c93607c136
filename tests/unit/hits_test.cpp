// Hits: a new number for the hit target, the point for a right answer, and a new question.
#include <gtest/gtest.h>

#include "support/headless_game.h"

using kelo::testing::HeadlessGame;

namespace {

struct Hits : ::testing::Test {
    Hits() { game.start(); }
    HeadlessGame game;
};

TEST_F(Hits, ARightHitScoresAndShowsTheNextCoin) {
    game.setQuestion("3", "4", "3");
    game.platform.queueDraws({0.7F, 0.9F});  // target 0 becomes 7; the answer is target 1's 4
    game.shootAt(0);
    EXPECT_EQ(game.w().hasil.caption(), "1");
    EXPECT_TRUE(game.w().uang(0).visible());
    EXPECT_EQ(game.w().lbl(0).caption(), "7");
    EXPECT_EQ(game.w().aba.tag(), "4");
    EXPECT_EQ(game.visibleCars(), HeadlessGame::firstCars(4));
}

TEST_F(Hits, AWrongHitChangesTheQuestionWithoutAPoint) {
    game.setQuestion("3", "6", "3");
    game.platform.queueDraws({0.2F, 0.1F});  // target 1 becomes 2; the answer is target 0's 3
    game.shootAt(1);
    EXPECT_EQ(game.w().hasil.caption(), "0");
    EXPECT_FALSE(game.w().uang(0).visible());
    EXPECT_EQ(game.w().lbl(1).caption(), "2");
    EXPECT_EQ(game.w().aba.tag(), "3") << "the same number may be asked twice in a row";
    EXPECT_EQ(game.visibleCars(), HeadlessGame::firstCars(3));
}

TEST_F(Hits, ARepeatedNumberIsDrawnOnceMoreAndMayBecomeZero) {
    game.setQuestion("3", "6", "6");
    game.platform.queueDraws({0.25F, 0.05F, 0.4F});  // 3 again, then 0; answer on target 0
    game.shootAt(0);
    EXPECT_EQ(game.w().lbl(0).caption(), "0");
    EXPECT_EQ(game.w().aba.tag(), "0");
    EXPECT_TRUE(game.visibleCars().empty()) << "an answer of 0 shows no car";
}

TEST_F(Hits, TheSecondDrawStandsEvenWhenItRepeatsTheOtherNumber) {
    game.setQuestion("3", "6", "3");
    game.platform.queueDraws(
        {0.6F, 0.6F, 0.5F});  // 6 = the other, then 6 again; draw 0.5 picks target 0
    game.shootAt(0);
    EXPECT_EQ(game.w().lbl(0).caption(), "6");
    EXPECT_EQ(game.w().lbl(1).caption(), "6");
    EXPECT_EQ(game.w().aba.tag(), "6");
    game.platform.queueDraws({0.1F, 0.9F});
    game.shootAt(1);
    EXPECT_EQ(game.w().hasil.caption(), "2") << "with equal numbers either target scores";
}

TEST_F(Hits, TheOldCarsAreCountedFromTheOldAnswer) {
    game.setQuestion("8", "2", "8");
    game.platform.queueDraws({0.3F, 0.9F});  // target 0 becomes 3; the answer is target 1's 2
    game.shootAt(0);
    EXPECT_EQ(game.visibleCars(), HeadlessGame::firstCars(2));
}

TEST_F(Hits, AnswersAreComparedAsExactText) {
    game.setQuestion("3", "6", "3");
    game.w().lbl(0).setCaption(" 3");  // not the answer's text, though the same number
    game.platform.queueDraws({0.7F, 0.9F});
    game.shootAt(0);
    EXPECT_EQ(game.w().hasil.caption(), "0");
}

}  // namespace
