#include "app/quit_word.h"

#include <cctype>
#include <string_view>

namespace kelo::app {
namespace {

constexpr std::string_view word = "quit";

}  // namespace

bool QuitWord::press(char letter, bool withCommand) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    if (withCommand || lower != word[typed_]) {
        // A wrong key starts the word again, and may itself be its first letter ("qquit").
        typed_ = !withCommand && lower == word.front() ? 1 : 0;
        return false;
    }
    if (++typed_ < word.size()) {
        return false;
    }
    typed_ = 0;
    return true;
}

}  // namespace kelo::app
