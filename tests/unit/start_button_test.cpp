// The start button counts presses in the shot gate and starts a game above 3.
#include <gtest/gtest.h>

#include "support/headless_game.h"

using kelo::testing::HeadlessGame;

namespace {

struct StartButton : ::testing::Test {
    StartButton() { game.start(); }
    HeadlessGame game;
    void press(int times) {
        for (int i = 0; i < times; ++i) {
            game.click("Command1");
        }
    }
    void messUpTheField() {
        game.w().hasil.setCaption("4");
        game.w().uang(3).setVisible(true);
        game.w().uang(7).setVisible(true);
        game.w().kelkel.setVisible(true);
        game.w().bola.setVisible(false);
        game.w().pn4.setVisible(true);
    }
};

TEST_F(StartButton, TheFourthPressAfterSetUpStartsAGame) {
    messUpTheField();
    const auto question = std::make_pair(game.w().lbl(0).caption(), game.w().aba.tag());
    press(3);
    EXPECT_EQ(game.w().tes.tag(), "3");
    EXPECT_EQ(game.w().hasil.caption(), "4") << "three presses change nothing visible";
    EXPECT_EQ(game.focus(), "Command1") << "a click moves the focus to the button";
    press(1);
    EXPECT_EQ(game.w().tes.tag(), "4");
    EXPECT_EQ(game.w().hasil.caption(), "0");
    EXPECT_TRUE(game.w().bola.visible());
    EXPECT_FALSE(game.w().kelkel.visible());
    EXPECT_FALSE(game.w().uang(3).visible());
    EXPECT_FALSE(game.w().uang(7).visible());
    EXPECT_FALSE(game.w().pn4.visible());
    EXPECT_EQ(game.focus(), "panah");
    EXPECT_EQ(std::make_pair(game.w().lbl(0).caption(), game.w().aba.tag()), question);
}

TEST_F(StartButton, TheThirdPressAfterAShotStarts) {
    game.space();
    messUpTheField();
    press(2);
    EXPECT_EQ(game.w().hasil.caption(), "4");
    press(1);
    EXPECT_EQ(game.w().hasil.caption(), "0");
}

TEST_F(StartButton, AfterAStartSpaceWaitsForTheNextAim) {
    press(4);
    const auto tones = game.platform.records().beeps.size();
    game.space();
    EXPECT_EQ(game.platform.records().beeps.size(), tones);
    game.type("A ");
    EXPECT_GT(game.platform.records().beeps.size(), tones);
}

TEST_F(StartButton, SpacePressesOnTheFocusedButtonCountAsPresses) {
    press(1);  // a mouse press during play closes the gate and keeps the focus on the button
    EXPECT_EQ(game.w().tes.tag(), "1");
    game.space();
    game.space();
    EXPECT_EQ(game.w().tes.tag(), "3");
    messUpTheField();
    game.space();
    EXPECT_EQ(game.w().hasil.caption(), "0");
    EXPECT_EQ(game.focus(), "panah");
    press(1);
    EXPECT_EQ(game.w().tes.tag(), "5") << "every press after the start starts again";
}

}  // namespace
