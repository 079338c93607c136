// Key input: the key box is emptied after every key, and only a Space with the gate open fires.
#include <gtest/gtest.h>

#include "support/headless_game.h"

using kelo::testing::HeadlessGame;

namespace {

struct KeyInput : ::testing::Test {
    KeyInput() { game.start(); }
    HeadlessGame game;
    std::size_t tones() { return game.platform.records().beeps.size(); }
};

TEST_F(KeyInput, OtherKeysOnlyEmptyTheBox) {
    const auto question = game.w().aba.tag();
    for (const char* key : {"B", "1", "Z", "あ", "AA"}) {
        game.program.typeKey(kelo::forms::Key::typed(key));
        EXPECT_EQ(game.w().panah.text(), "") << key;
    }
    EXPECT_EQ(game.w().panah.tag(), "0");
    EXPECT_EQ(game.w().tes.tag(), "0");
    EXPECT_EQ(game.w().aba.tag(), question);
    EXPECT_EQ(tones(), 0U);
}

TEST_F(KeyInput, SpaceRightAfterSetUpFiresUpright) {
    game.space();
    EXPECT_EQ(tones(), 10U) << "an upright shot takes ten steps";
    EXPECT_EQ(game.w().panah.text(), "");
    EXPECT_EQ(game.w().tes.tag(), "1");
}

TEST_F(KeyInput, SpaceAfterAShotIsIgnoredUntilTheNextAim) {
    game.space();
    const auto afterFirst = tones();
    game.space();
    EXPECT_EQ(tones(), afterFirst) << "the gate is closed";
    EXPECT_EQ(game.w().panah.text(), "");
    game.type("A ");
    EXPECT_EQ(tones(), afterFirst + 90) << "a leaning shot takes ninety steps";
}

TEST_F(KeyInput, TheNestedChangeOfEmptyingChangesNothing) {
    int changes = 0;
    auto handler = game.w().panah.onChange;
    game.w().panah.onChange = [&] {
        ++changes;
        handler();
    };
    game.type("A");
    EXPECT_EQ(changes, 2) << "the key, then the emptying";
    EXPECT_EQ(game.w().panah.tag(), "45") << "one aiming step, not two";
}

TEST_F(KeyInput, AHeldKeyAimsOnceForEveryRepeat) {
    game.type("AAAAA");
    EXPECT_EQ(game.w().panah.tag(), "45");
    game.type("A");
    EXPECT_EQ(game.w().panah.tag(), "-45");
}

}  // namespace
