#include "lang/spoken_texts.h"

#include <array>

namespace kelo::lang {
namespace {

using Numbers = std::array<std::string_view, 10>;

const SpokenTexts indonesian{"id", "Ada berapa mobil?", "Betul!", "Kamu menang!", "."};
const SpokenTexts english{"en", "How many cars are here?", "Right!", "You win!", "."};
const SpokenTexts japanese{"ja", "くるまはいくつ？", "せいかい！", "かったね！", "。"};

const Numbers indonesianNumbers{"nol",  "satu", "dua",   "tiga",    "empat",
                                "lima", "enam", "tujuh", "delapan", "sembilan"};
const Numbers englishNumbers{"zero", "one", "two",   "three", "four",
                             "five", "six", "seven", "eight", "nine"};
const Numbers japaneseNumbers{"ぜろ", "いち", "に",   "さん", "よん",
                              "ご",   "ろく", "なな", "はち", "きゅう"};

}  // namespace

const SpokenTexts& spokenTexts(Language language) {
    return forLanguage(language, english, japanese, indonesian);
}

std::string_view spokenNumber(Language language, int number) {
    if (number < 0 || number > 9) {
        return {};
    }
    const Numbers& numbers =
        forLanguage(language, englishNumbers, japaneseNumbers, indonesianNumbers);
    return numbers[static_cast<std::size_t>(number)];
}

}  // namespace kelo::lang
