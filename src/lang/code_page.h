#pragma once

#include <string_view>

namespace kelo::lang {

/// The Japanese Windows code page (CP932), through the C library's iconv. Where the C library
/// lacks it, no character is double-byte: the font search then finds no Japanese font.
class JapaneseCodePage {
  public:
    JapaneseCodePage();
    ~JapaneseCodePage();
    JapaneseCodePage(const JapaneseCodePage&) = delete;
    JapaneseCodePage& operator=(const JapaneseCodePage&) = delete;

    /// Whether one character (given as its UTF-8 bytes) takes two bytes in the code page:
    /// kana, kanji, full-width forms. ASCII, half-width katakana and characters the code page
    /// cannot encode are not double-byte.
    bool isDoubleByte(std::string_view utf8Character) const;

  private:
    bool available() const;

    void* descriptor_;  // iconv_t
};

/// The UTF-8 bytes of the first and of the last character of a text; empty for an empty text.
std::string_view firstCharacter(std::string_view utf8);
std::string_view lastCharacter(std::string_view utf8);

}  // namespace kelo::lang
