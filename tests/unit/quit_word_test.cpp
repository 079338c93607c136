// The parent's way out of the locked game: q, u, i, t in a row, and nothing a smash spells.
#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "app/quit_word.h"

using kelo::app::QuitWord;

namespace {

/// Types the letters without modifiers; whether the last one completed the word.
bool type(QuitWord& word, std::string_view letters) {
    bool done = false;
    for (const char letter : letters) {
        done = word.press(letter, false);
    }
    return done;
}

TEST(QuitWord, TheFourLettersInARowEndTheGameInEitherCase) {
    QuitWord word;
    EXPECT_TRUE(type(word, "quit"));
    EXPECT_TRUE(type(word, "QUIT"));
    EXPECT_TRUE(type(word, "qquit")) << "a repeated first letter starts the word again";
    EXPECT_FALSE(type(word, "qui"));
    EXPECT_TRUE(type(word, "t")) << "a word in progress goes on";
}

TEST(QuitWord, AnotherKeyBetweenTheLettersOrAModifiedLetterBreaksIt) {
    QuitWord word;
    EXPECT_FALSE(type(word, "quxit"));
    EXPECT_FALSE(type(word, "t"));
    type(word, "qu");
    word.press(0, false);  // an arrow, a function key, Space
    EXPECT_FALSE(type(word, "it"));
    type(word, "qui");
    EXPECT_FALSE(word.press('t', true)) << "t with Ctrl, Alt or Super held";
    type(word, "q");
    word.press('u', true);
    EXPECT_FALSE(type(word, "it"));
}

TEST(QuitWord, AMillionRandomKeysOfAFlatHandSpellItAlmostNever) {
    // Twenty neighbouring keys, a fifth of them with a modifier held: the word needs four
    // particular unmodified presses in a row, about once in 400,000 presses.
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> key(0, 19);
    std::bernoulli_distribution modified(0.2);
    constexpr std::string_view keys = "qwertyuiopasdfghjkl ";
    QuitWord word;
    int spelled = 0;
    for (int press = 0; press < 1'000'000; ++press) {
        const char letter = keys[static_cast<std::size_t>(key(random))];
        spelled += word.press(letter == ' ' ? 0 : letter, modified(random)) ? 1 : 0;
    }
    EXPECT_LE(spelled, 15);
}

}  // namespace
