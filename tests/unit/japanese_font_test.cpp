// The Japanese font search: which characters the code page counts as double-byte, and which
// position of the font list the search returns.
#include <gtest/gtest.h>

#include "forms/headless_platform.h"
#include "lang/code_page.h"
#include "lang/japanese_font.h"

using namespace kelo;

namespace {

const lang::JapaneseCodePage codePage;

TEST(CodePage, CountsKanaKanjiAndFullWidthFormsAsDoubleByte) {
    for (const char* character : {"あ", "ア", "明", "Ｍ", "１", "゛", "～"}) {
        EXPECT_TRUE(codePage.isDoubleByte(character)) << character;
    }
}

TEST(CodePage, CountsAsciiHalfWidthAndUnencodableCharactersAsSingle) {
    for (const char* character : {"A", "1", " ", "ｱ", "한", "é", "€", "™", ""}) {
        EXPECT_FALSE(codePage.isDoubleByte(character)) << character;
    }
    EXPECT_FALSE(codePage.isDoubleByte("\xE3\x81")) << "a cut-off character";
}

TEST(CodePage, FindsTheFirstAndLastCharacterOfUtf8Text) {
    EXPECT_EQ(lang::firstCharacter("ＭＳ Ｐ明朝"), "Ｍ");
    EXPECT_EQ(lang::lastCharacter("ＭＳ Ｐ明朝"), "朝");
    EXPECT_EQ(lang::firstCharacter("A"), "A");
    EXPECT_EQ(lang::lastCharacter(""), "");
}

int search(std::vector<std::string> fonts) {
    forms::HeadlessPlatform platform;
    platform.setFonts(std::move(fonts));
    return lang::FindJapFont(platform, codePage);
}

TEST(FindJapFont, ReturnsMinusOneWithoutAJapaneseName) {
    EXPECT_EQ(search({}), -1);
    EXPECT_EQ(search({"Sans", "Serif", "Monospace"}), -1);
    EXPECT_EQ(search({"", "ｱｲｳ", "Noto 明 Sans"}), -1)
        << "empty names, half-width kana, kanji only inside";
    EXPECT_EQ(search({"한글"}), -1);
}

TEST(FindJapFont, MatchesOnTheFirstOrLastCharacter) {
    EXPECT_EQ(search({"IPAゴシック", "Arial"}), 0);
    EXPECT_EQ(search({"Arial", "ＭＳ Gothic"}), 1);
    EXPECT_EQ(search({"Arial", "Tahoma", "明"}), 2) << "a one-character name, in last position";
}

TEST(FindJapFont, ReturnsTheFirstOfTwoMatches) {
    EXPECT_EQ(search({"a", "b", "c", "IPAゴシック", "d", "e", "f", "VL ゴシック"}), 3);
}

}  // namespace
