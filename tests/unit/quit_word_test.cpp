// The parent's way out of the locked game: q, u, i, t in a row, and nothing else.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
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

TEST(QuitWord, RandomKeysEndTheGameExactlyWhereTheLastFourPressesSpellIt) {
    // A flat hand on keys around the word's letters, some with a modifier held: the word
    // completes at a press exactly when that press and the three before it are q, u, i, t
    // unmodified (in either case), and nowhere else.
    std::mt19937 random(20261209);
    constexpr std::string_view keys = "quitQUITyo ";
    std::uniform_int_distribution<std::size_t> key(0, keys.size() - 1);
    std::bernoulli_distribution modified(0.1);
    QuitWord word;
    std::string lastFour = "....";
    int completed = 0;
    for (int press = 0; press < 200'000; ++press) {
        const char typed = keys[key(random)];
        const bool withCommand = modified(random);
        const char letter = typed == ' ' ? '\0' : typed;
        lastFour = lastFour.substr(1) +
                   (letter == '\0' || withCommand
                        ? '.'
                        : static_cast<char>(std::tolower(static_cast<unsigned char>(letter))));
        const bool expected = lastFour == "quit";
        ASSERT_EQ(word.press(letter, withCommand), expected)
            << "press " << press << ": " << lastFour;
        completed += expected ? 1 : 0;
    }
    EXPECT_GT(completed, 20) << "the random keys spelled the word too seldom to judge";
}

}  // namespace
