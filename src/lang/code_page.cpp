#include "lang/code_page.h"

#include <iconv.h>

#include <array>
#include <string>

namespace kelo::lang {
namespace {

iconv_t handle(void* descriptor) {
    return static_cast<iconv_t>(descriptor);
}

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

}  // namespace

JapaneseCodePage::JapaneseCodePage() : descriptor_(iconv_open("CP932", "UTF-8")) {}

JapaneseCodePage::~JapaneseCodePage() {
    if (available()) {
        iconv_close(handle(descriptor_));
    }
}

bool JapaneseCodePage::available() const {
    return handle(descriptor_) !=
           reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
}

bool JapaneseCodePage::isDoubleByte(std::string_view utf8Character) const {
    if (utf8Character.empty() || !available()) {
        return false;
    }
    std::string input(utf8Character);
    std::array<char, 8> output{};
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    iconv(handle(descriptor_), nullptr, nullptr, nullptr, nullptr);  // initial state
    const std::size_t result = iconv(handle(descriptor_), &in, &inLeft, &out, &outLeft);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
        return false;  // not encodable in the code page, or not one valid character
    }
    return output.size() - outLeft == 2;
}

std::string_view firstCharacter(std::string_view utf8) {
    if (utf8.empty()) {
        return utf8;
    }
    std::size_t length = 1;
    while (length < utf8.size() && isContinuationByte(utf8[length])) {
        ++length;
    }
    return utf8.substr(0, length);
}

std::string_view lastCharacter(std::string_view utf8) {
    if (utf8.empty()) {
        return utf8;
    }
    std::size_t start = utf8.size() - 1;
    while (start > 0 && isContinuationByte(utf8[start])) {
        --start;
    }
    return utf8.substr(start);
}

}  // namespace kelo::lang
