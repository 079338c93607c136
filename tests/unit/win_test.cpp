// The end of every shot, the win at five points, the restart, and play past the win.
#include <gtest/gtest.h>

#include "support/headless_game.h"

using kelo::testing::HeadlessGame;

namespace {

struct Winning : ::testing::Test {
    Winning() { game.start(); }
    /// Reads the answer and shoots at the target that shows it.
    void rightHit() { game.shootAt(game.w().lbl(0).caption() == game.w().aba.tag() ? 0 : 1); }
    HeadlessGame game;
};

TEST_F(Winning, EveryShotEndsWithTheBallBackThePistolUprightAndTheGateClosed) {
    for (const char* aim : {"A", "AA", ""}) {
        game.type(aim);
        game.space();
        EXPECT_EQ(game.w().bola.left(), 7320);
        EXPECT_EQ(game.w().bola.top(), 7440);
        EXPECT_EQ(game.w().panah.tag(), "0");
        EXPECT_NEAR(game.w().grs(0).x1(), 7320, 0.01);
        EXPECT_NEAR(game.w().grs(0).x2(), 7320, 0.01);
        EXPECT_EQ(game.w().tes.tag(), "1");
    }
}

TEST_F(Winning, FiveRightHitsWinAndThreeSpacesRestart) {
    for (int point = 1; point <= 5; ++point) {
        rightHit();
        ASSERT_EQ(game.w().hasil.caption(), std::to_string(point));
        EXPECT_TRUE(game.w().uang(point - 1).visible());
        EXPECT_EQ(game.w().kelkel.visible(), point == 5);
    }
    EXPECT_TRUE(game.w().pn1.visible() && game.w().pn2.visible() && game.w().pn3.visible());
    EXPECT_TRUE(game.w().pn4.visible());
    EXPECT_FALSE(game.w().bola.visible());
    EXPECT_EQ(game.focus(), "Command1");

    const auto question = game.w().aba.tag();
    game.space();
    game.space();
    EXPECT_TRUE(game.w().kelkel.visible());
    game.space();
    EXPECT_FALSE(game.w().kelkel.visible());
    EXPECT_FALSE(game.w().pn4.visible());
    EXPECT_TRUE(game.w().bola.visible());
    EXPECT_EQ(game.w().hasil.caption(), "0");
    EXPECT_FALSE(game.w().uang(4).visible());
    EXPECT_EQ(game.w().aba.tag(), question);
    EXPECT_EQ(game.focus(), "panah");
}

TEST_F(Winning, OnlyAScoreOfExactlyFiveShowsTheWin) {
    game.w().hasil.setCaption("5");
    game.space();  // upright: no hit, the score is compared all the same
    EXPECT_TRUE(game.w().kelkel.visible());
    game.w().kelkel.setVisible(false);
    game.w().hasil.setCaption("6");
    game.type("A");
    game.space();
    EXPECT_FALSE(game.w().kelkel.visible());
}

TEST_F(Winning, PlayPastTenPointsShowsNoCoinAndEndsTheShotNormally) {
    game.w().hasil.setCaption("10");
    game.setQuestion("3", "4", "3");
    game.platform.queueDraws({0.7F, 0.9F});
    game.shootAt(0);
    EXPECT_EQ(game.w().hasil.caption(), "11");
    EXPECT_TRUE(game.platform.records().abandoned.empty());
    EXPECT_TRUE(game.w().bola.visible());
    EXPECT_EQ(game.w().bola.left(), 7320);
    EXPECT_EQ(game.w().panah.tag(), "0");
    EXPECT_NEAR(game.w().grs(0).x2(), 7320, 0.01);
    EXPECT_EQ(game.w().tes.tag(), "1");
    EXPECT_EQ(game.w().aba.tag(), "4") << "the new question is set";
}

TEST_F(Winning, ARestartAfterPlayPastTenPointsHidesEveryCoin) {
    for (int point = 1; point <= 5; ++point) {
        rightHit();
    }
    game.click("Command2");  // the author window, opened and closed, lets play go on
    game.program.closeAuthorWindow();
    for (int tab = 0; tab < 20 && game.focus() != "panah"; ++tab) {
        game.program.typeKey(kelo::forms::Key::of(kelo::forms::Key::Kind::Tab));
    }
    ASSERT_EQ(game.focus(), "panah");
    for (int point = 6; point <= 11; ++point) {
        rightHit();
    }
    ASSERT_EQ(game.w().hasil.caption(), "11");
    ASSERT_TRUE(game.w().uang(9).visible());
    for (int press = 0; press < 3; ++press) {
        game.click("Command1");
    }
    EXPECT_EQ(game.w().hasil.caption(), "0");
    for (int k = 0; k < game.w().uang.count(); ++k) {
        EXPECT_FALSE(game.w().uang(k).visible()) << "coin " << k;
    }
}

}  // namespace
