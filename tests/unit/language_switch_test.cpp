// Choosing a language relabels both windows; Japanese also needs the font found at start-up.
#include <gtest/gtest.h>

#include "lang/texts.h"
#include "support/designed_texts.h"
#include "support/headless_game.h"

using namespace kelo;
using kelo::lang::Language;
using kelo::lang::Target;
using kelo::testing::HeadlessGame;

namespace {

struct LanguageSwitch : ::testing::Test {
    void startWithFonts(std::vector<std::string> fonts) {
        game.platform.setFonts(std::move(fonts));
        game.start();
    }
    /// Captions of the eleven targets, in table order.
    std::vector<std::string> targetTexts() {
        auto& w = game.w();
        auto& author = game.program.authorWindow().get();
        return {w.Label4.caption(),      w.Command2.caption(),       w.Label1.caption(),
                w.Label2.caption(),      w.Label3.caption(),         w.pn4.caption(),
                w.Command1.caption(),    w.form.caption(),           w.Label6.caption(),
                author.Label1.caption(), author.additional.caption()};
    }
    std::vector<std::string> targetFonts() {
        auto& w = game.w();
        auto& author = game.program.authorWindow().get();
        return {w.Label4.fontName(),      w.Command1.fontName(),       w.Command2.fontName(),
                w.Label1.fontName(),      w.Label2.fontName(),         w.Label3.fontName(),
                w.pn4.fontName(),         w.form.fontName(),           w.Label6.fontName(),
                author.Label1.fontName(), author.additional.fontName()};
    }
    /// The designed texts of a language, from the literal table, not the game's own.
    static std::vector<std::string> column(Language language) {
        for (const auto& designed : kelo::testing::designedLanguages()) {
            if (designed.listEntry == static_cast<int>(language)) {
                std::vector<std::string> texts(designed.texts.begin(), designed.texts.end());
                texts.push_back(kelo::testing::designedNote(designed));
                return texts;
            }
        }
        return {};
    }
    const std::vector<std::string>& messages() { return game.platform.records().messages; }
    HeadlessGame game;
};

TEST_F(LanguageSwitch, EnglishWritesItsColumnAndNoFont) {
    startWithFonts({"Arial", "IPAゴシック"});
    const auto fonts = targetFonts();
    game.program.selectLanguage(0);
    EXPECT_EQ(targetTexts(), column(Language::English));
    EXPECT_EQ(targetFonts(), fonts);
    EXPECT_TRUE(messages().empty());
}

TEST_F(LanguageSwitch, IndonesianReplacesTheDesignedWinMessage) {
    startWithFonts({});
    EXPECT_EQ(game.w().Label6.caption(), "Kamu Menang");
    game.program.selectLanguage(0);
    game.program.selectLanguage(2);
    EXPECT_EQ(targetTexts(), column(Language::Indonesian));
    EXPECT_EQ(game.w().Label6.caption(), "Kamu menang");
}

TEST_F(LanguageSwitch, JapaneseSetsTheFoundFontAndTexts) {
    startWithFonts({"Arial", "IPAゴシック", "Tahoma"});
    game.program.selectLanguage(1);
    EXPECT_EQ(targetTexts(), column(Language::Japanese));
    EXPECT_EQ(targetFonts(), std::vector<std::string>(11, "IPAゴシック"));
    EXPECT_EQ(game.w().hasil.fontName(), "Times New Roman") << "only the targets change font";
    EXPECT_TRUE(messages().empty());
}

TEST_F(LanguageSwitch, JapaneseWithoutAFontSaysSoAndChangesNothing) {
    startWithFonts({"Sans", "Serif"});
    const auto texts = targetTexts();
    const auto fonts = targetFonts();
    game.click("Command1");
    game.program.selectLanguage(1);
    EXPECT_EQ(messages(), (std::vector<std::string>{"No Available Japanese Font"}));
    EXPECT_EQ(targetTexts(), texts);
    EXPECT_EQ(targetFonts(), fonts);
    EXPECT_EQ(game.focus(), "panah") << "the focus step runs for every selection";
}

TEST_F(LanguageSwitch, JapaneseThenEnglishShowsEnglishInTheJapaneseFont) {
    startWithFonts({"IPAゴシック"});
    game.program.selectLanguage(1);
    game.program.selectLanguage(0);
    EXPECT_EQ(targetTexts(), column(Language::English));
    EXPECT_EQ(targetFonts(), std::vector<std::string>(11, "IPAゴシック"));
}

TEST_F(LanguageSwitch, AFontIndexThatIsNotANumberStopsTheSwitchWithItsMessage) {
    startWithFonts({"IPAゴシック"});
    game.w().ifon.setCaption("Label6");
    const auto texts = targetTexts();
    game.program.selectLanguage(1);
    EXPECT_EQ(
        messages(),
        (std::vector<std::string>{"Error in Japanese font-related module. Click OK to continue"}));
    EXPECT_EQ(targetTexts(), texts);
}

TEST_F(LanguageSwitch, AFontRemovedSinceStartUpStopsTheSwitchAtItsFirstFont) {
    startWithFonts({"Arial", "IPAゴシック"});
    game.platform.setFonts({"Arial"});
    const auto texts = targetTexts();
    const auto fonts = targetFonts();
    game.program.selectLanguage(1);
    EXPECT_EQ(
        messages(),
        (std::vector<std::string>{"Error in Japanese font-related module. Click OK to continue"}));
    EXPECT_EQ(targetTexts(), texts);
    EXPECT_EQ(targetFonts(), fonts);
}

TEST_F(LanguageSwitch, GivesTheFocusToTheStartButtonWhileAWonGameWaits) {
    startWithFonts({});
    game.w().kelkel.setVisible(true);
    game.program.selectLanguage(0);
    EXPECT_EQ(game.focus(), "Command1");
    game.w().kelkel.setVisible(false);
    game.program.selectLanguage(0);
    EXPECT_EQ(game.focus(), "panah");
    EXPECT_EQ(targetTexts(), column(Language::English))
        << "the same entry again writes the same texts";
}

}  // namespace
