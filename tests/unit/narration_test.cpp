// What the voice says: the question at the start and after every hit, the number hit and praise
// after a right hit, the win, and the question again in a language chosen; nothing else.
#include <gtest/gtest.h>

#include "app/narration.h"
#include "lang/spoken_texts.h"
#include "support/headless_game.h"

using kelo::app::narrate;
using kelo::app::Told;
using kelo::app::toldOf;
using kelo::lang::Language;

namespace {

class Narration : public ::testing::Test {
  protected:
    void SetUp() override { game.start(); }
    /// What is said about what `act` does to the game.
    std::string said(const std::function<void()>& act, bool shot) {
        const Told before = toldOf(game.program);
        act();
        const auto utterance = narrate(before, toldOf(game.program), shot);
        return utterance ? utterance->text : "";
    }
    kelo::testing::HeadlessGame game;
};

TEST_F(Narration, TheQuestionIsSaidAtTheStartInTheLanguageShown) {
    const auto utterance = narrate(std::nullopt, toldOf(game.program), false);
    ASSERT_TRUE(utterance);
    EXPECT_EQ(utterance->text, "Ada berapa mobil?");
    EXPECT_EQ(utterance->language, Language::Indonesian);
}

TEST_F(Narration, ARightHitSaysTheNumberHitPraiseAndTheNextQuestion) {
    game.setQuestion("3", "7", "3");
    EXPECT_EQ(said([&] { game.shootAt(0); }, true), "tiga. Betul! Ada berapa mobil?");
}

TEST_F(Narration, AWrongHitSaysTheNumberAsItStoodAndTheNextQuestionOnly) {
    game.setQuestion("3", "7", "3");
    EXPECT_EQ(said([&] { game.shootAt(1); }, true), "tujuh. Ada berapa mobil?");
}

TEST_F(Narration, TheFifthPointSaysTheWinLast) {
    game.w().hasil.setCaption("4");
    game.setQuestion("2", "5", "5");
    EXPECT_EQ(said([&] { game.shootAt(1); }, true), "lima. Betul! Ada berapa mobil? Kamu menang!");
}

TEST_F(Narration, AChosenLanguageAsksAgainInIt) {
    const Told before = toldOf(game.program);
    game.program.selectLanguage(0);
    const auto utterance = narrate(before, toldOf(game.program), false);
    ASSERT_TRUE(utterance);
    EXPECT_EQ(utterance->text, "How many cars are here?");
    EXPECT_EQ(utterance->language, Language::English);
}

TEST_F(Narration, AShotThatHitsNothingAndAimingSayNothing) {
    ASSERT_EQ(game.w().panah.tag(), "0");
    EXPECT_EQ(said([&] { game.space(); }, true), "") << "an upright shot flies past the targets";
    EXPECT_EQ(said([&] { game.type("A"); }, false), "");
}

TEST(SpokenTexts, JapaneseIsSpokenFromKana) {
    EXPECT_EQ(kelo::lang::spokenNumber(Language::Japanese, 3), "さん");
    EXPECT_EQ(kelo::lang::spokenTexts(Language::Japanese).question, "くるまはいくつ？");
    EXPECT_EQ(kelo::lang::spokenNumber(Language::English, 10), "");
}

}  // namespace
