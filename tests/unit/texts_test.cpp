// The language table: letter-for-letter texts and the author note joined from its pieces.
#include <gtest/gtest.h>

#include "lang/texts.h"

using namespace kelo::lang;

TEST(AuthorNote, IndonesianPiecesMeetWithExactlyOneSpace) {
    const std::string note = text(Language::Indonesian, Target::authorNote);
    EXPECT_NE(note.find("sosial, yang bernama"), std::string::npos);
    EXPECT_NE(note.find("untuk memberikan donasi"), std::string::npos);
    EXPECT_EQ(note.find("  "), std::string::npos);
}

TEST(AuthorNote, JapanesePiecesMeetWithoutSpaceThenOneBeforeTheLast) {
    const std::string note = text(Language::Japanese, Target::authorNote);
    EXPECT_NE(note.find("一員です。団体名は"), std::string::npos);
    EXPECT_NE(note.find("興味のある方は 次のEメールアドレスを宛にご連絡下さい。 "),
              std::string::npos);
}

TEST(AuthorNote, EnglishPiecesCarryTheirOwnSpaces) {
    const std::string note = text(Language::English, Target::authorNote);
    EXPECT_NE(note.find("organization, callled LKMTQ"), std::string::npos);
    EXPECT_NE(note.find("poor-but-potential youth,"), std::string::npos);
}

TEST(AuthorNote, EveryLanguageEndsWithTheSameContactAddress) {
    for (Language language : {Language::English, Language::Japanese, Language::Indonesian}) {
        const std::string note = text(language, Target::authorNote);
        ASSERT_GE(note.size(), contactAddress.size());
        EXPECT_EQ(note.substr(note.size() - contactAddress.size()), contactAddress);
        EXPECT_EQ(
            notePieces(language)[3].substr(notePieces(language)[3].size() - contactAddress.size()),
            contactAddress);
    }
}

TEST(Texts, KeepTheirOwnSpellingLetterForLetter) {
    EXPECT_EQ(text(Language::Indonesian, Target::Label6Caption), "Kamu menang");
    EXPECT_EQ(text(Language::Japanese, Target::pn4Caption),
              "ゲームの再起動は３回クリックあるいはSpaceキ３回押し");
    EXPECT_EQ(text(Language::Japanese, Target::Label2Caption), "回転はＡキー；打ちはSpaceキー");
    EXPECT_EQ(text(Language::English, Target::Label4Caption),
              "This game is suitable for kids with age from 2.5 to 3.5");
    EXPECT_EQ(text(Language::English, Target::mobilCaption), "Kelo's Pistol");
    EXPECT_EQ(text(Language::Indonesian, Target::authorLabel1Caption),
              "Diprogram oleh Mas Kurdalo");
    EXPECT_EQ(text(Language::Japanese, Target::Command1Caption), "スタート");
}
