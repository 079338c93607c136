#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kelo::lang {

/// The list index of each language in `combo1`.
enum class Language { English = 0, Japanese = 1, Indonesian = 2 };

/// The eleven controls a language writes, in the order it writes them.
enum class Target {
    Label4Caption,        // for which ages the game suits
    Command2Caption,      // the author button
    Label1Caption,        // heading of the money display
    Label2Caption,        // help line for the keys
    Label3Caption,        // the question
    pn4Caption,           // how to restart
    Command1Caption,      // the start button
    mobilCaption,         // window title
    Label6Caption,        // the win message
    authorLabel1Caption,  // author credit line
    authorNote,           // the author's longer note (`additional`)
};
inline constexpr int targetCount = 11;

/// What belongs to `language` of three things given for each (Indonesian for a value out of
/// range, as the game starts in Indonesian).
template <class T>
const T& forLanguage(Language language, const T& english, const T& japanese, const T& indonesian) {
    switch (language) {
        case Language::English:
            return english;
        case Language::Japanese:
            return japanese;
        case Language::Indonesian:
            break;
    }
    return indonesian;
}

/// The text of a target in a language; the author note joined from its four pieces.
std::string text(Language language, Target target);

/// The language the main window shows, told by its question (Indonesian where it is none of
/// the three, as at the start).
Language languageShown(std::string_view question);

/// The four pieces of the author note, the last one ending with the contact address.
std::array<std::string, 4> notePieces(Language language);

/// Message box prompts.
inline constexpr std::string_view noJapaneseFontMessage = "No Available Japanese Font";
inline constexpr std::string_view languageSwitchErrorMessage =
    "Error in Japanese font-related module. Click OK to continue";
inline constexpr std::string_view activationErrorMessage =
    "Error occurs in Japanese font-related module";

}  // namespace kelo::lang
