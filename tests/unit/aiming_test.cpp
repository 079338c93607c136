// Aiming: the "A" key turns the pistol between its two leans and opens the shot gate.
#include <gtest/gtest.h>

#include "game/pistol.h"
#include "support/headless_game.h"

using kelo::testing::HeadlessGame;

namespace {

struct Aiming : ::testing::Test {
    Aiming() { game.start(); }
    HeadlessGame game;
    kelo::forms::Line& barrel() { return game.w().grs(0); }
};

TEST_F(Aiming, FirstPressLeansLeftThenTheLeansAlternate) {
    game.type("A");
    EXPECT_EQ(game.w().panah.tag(), "45");
    EXPECT_NEAR(barrel().x1(), 7440, 1);
    EXPECT_NEAR(barrel().y1(), 7730, 1);
    EXPECT_NEAR(barrel().x2(), 7864, 1);
    EXPECT_NEAR(barrel().y2(), 8154, 1);
    EXPECT_GT(barrel().x2(), barrel().x1()) << "leaning left";

    game.type("a");
    EXPECT_EQ(game.w().panah.tag(), "-45");
    EXPECT_NEAR(barrel().x1(), 7270, 1);
    EXPECT_NEAR(barrel().y1(), 7560, 1);
    EXPECT_NEAR(barrel().x2(), 6846, 1);
    EXPECT_NEAR(barrel().y2(), 7984, 1);

    game.type("A");
    EXPECT_EQ(game.w().panah.tag(), "45");
    EXPECT_NEAR(barrel().x2(), 7864, 1);
}

TEST_F(Aiming, EveryPressOpensTheShotGate) {
    game.w().tes.setTag("3");
    game.type("A");
    EXPECT_EQ(game.w().tes.tag(), "0");
}

TEST_F(Aiming, ALeanAndItsReturnCancelForEveryLine) {
    std::vector<kelo::forms::Line::Ends> rest;
    for (int i = 0; i < game.w().grs.count(); ++i) {
        rest.push_back(game.w().grs(i).ends());
    }
    for (const double lean : {45.0, -45.0}) {
        kelo::game::TurnPistol(game.w(), kelo::game::toRadians(lean));
        kelo::game::TurnPistol(game.w(), -(lean * kelo::game::pistolPi) / 180);
        for (int i = 0; i < game.w().grs.count(); ++i) {
            const auto& ends = game.w().grs(i).ends();
            const auto& designed = rest[static_cast<std::size_t>(i)];
            EXPECT_NEAR(ends.x1, designed.x1, 0.01) << i;
            EXPECT_NEAR(ends.y1, designed.y1, 0.01) << i;
            EXPECT_NEAR(ends.x2, designed.x2, 0.01) << i;
            EXPECT_NEAR(ends.y2, designed.y2, 0.01) << i;
        }
    }
}

}  // namespace
