#include "lang/japanese_font.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "forms/platform.h"
#include "lang/code_page.h"

namespace kelo::lang {

int FindJapFont(const forms::Platform& platform, const JapaneseCodePage& codePage) {
    int count = 0;
    try {
        count = platform.fontCount();
    } catch (const forms::RuntimeError&) {
        return -1;
    }
    // The result is a 16-bit position.
    count = std::min(count, static_cast<int>(std::numeric_limits<std::int16_t>::max()) + 1);
    for (int position = 0; position < count; ++position) {
        std::string name;
        try {
            name = platform.fontName(position);
        } catch (const forms::RuntimeError&) {
            continue;
        }
        if (codePage.isDoubleByte(firstCharacter(name)) ||
            codePage.isDoubleByte(lastCharacter(name))) {
            return position;
        }
    }
    return -1;
}

}  // namespace kelo::lang
