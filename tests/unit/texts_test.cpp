// The designed texts of all three languages, letter for letter, as the game shows them after
// each language switch, and the author note joined from its pieces.
#include <gtest/gtest.h>

#include "lang/texts.h"
#include "support/designed_texts.h"
#include "support/headless_game.h"

using namespace kelo;
using kelo::testing::designedLanguages;

TEST(DesignedTexts, EachLanguageShowsItsTextsLetterForLetter) {
    for (const auto& language : designedLanguages()) {
        kelo::testing::HeadlessGame game;
        game.platform.setFonts({"Arial", "IPAゴシック"});
        game.start();
        game.program.selectLanguage(language.listEntry == 2 ? 0 : 2);  // from another language
        game.program.selectLanguage(language.listEntry);
        const auto& w = game.w();
        auto& author = game.program.authorWindow().get();
        const std::array<std::string, 11> shown{
            w.Label4.caption(),      w.Command2.caption(),       w.Label1.caption(),
            w.Label2.caption(),      w.Label3.caption(),         w.pn4.caption(),
            w.Command1.caption(),    w.form.caption(),           w.Label6.caption(),
            author.Label1.caption(), author.additional.caption()};
        for (std::size_t target = 0; target < language.texts.size(); ++target) {
            EXPECT_EQ(shown[target], language.texts[target])
                << "entry " << language.listEntry << ", target " << target + 1;
        }
        EXPECT_EQ(shown[10], kelo::testing::designedNote(language))
            << "entry " << language.listEntry;

        const auto pieces = lang::notePieces(static_cast<lang::Language>(language.listEntry));
        for (std::size_t piece = 0; piece < 3; ++piece) {
            EXPECT_EQ(pieces[piece], language.note[piece]) << "piece " << piece + 1;
        }
        EXPECT_EQ(pieces[3], language.note[3] + kelo::testing::designedContactAddress);
        EXPECT_TRUE(game.platform.records().messages.empty());
    }
}
