#pragma once

#include <string_view>

#include "lang/texts.h"

namespace kelo::lang {

/// What the voice says, in each language, as sentences rather than the captions' capitals;
/// Japanese in kana, which the speech synthesiser reads.
struct SpokenTexts {
    std::string_view voice;     // the speech synthesiser's voice for the language
    std::string_view question;  // the question, as the question label asks it
    std::string_view praise;    // after a right hit
    std::string_view win;       // the win
    std::string_view stop;      // what ends a sentence that is a single word
};

const SpokenTexts& spokenTexts(Language language);
/// A number from 0 to 9 as a word; "" for any other.
std::string_view spokenNumber(Language language, int number);

}  // namespace kelo::lang
