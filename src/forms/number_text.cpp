#include "forms/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "forms/runtime_error.h"

namespace kelo::forms {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Length of the number that starts the text (sign, digits, decimal part, exponent), 0 if none.
std::size_t numberPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

std::optional<double> parse(std::string_view number) {
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);  // from_chars takes no plus sign
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{} || end != number.data() + number.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

double strictNumber(std::string_view text) {
    text = trimLeft(text);
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    const std::size_t length = numberPrefixLength(text);
    if (length == 0 || length != text.size()) {
        throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch: \"" + std::string(text) + "\"");
    }
    if (const auto value = parse(text)) {
        return *value;
    }
    throw RuntimeError(ErrorCode::Overflow, "Overflow: \"" + std::string(text) + "\"");
}

double lenientNumber(std::string_view text) {
    text = trimLeft(text);
    return parse(text.substr(0, numberPrefixLength(text))).value_or(0.0);
}

std::int64_t roundHalfEven(double value) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(value);
    constexpr double limit = 9.2e18;
    if (!std::isfinite(rounded) || std::fabs(rounded) > limit) {
        throw RuntimeError(ErrorCode::Overflow, "Overflow");
    }
    return static_cast<std::int64_t>(rounded);
}

std::int16_t toInt16(double value) {
    const std::int64_t whole = roundHalfEven(value);
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(ErrorCode::Overflow, "Overflow");
    }
    return static_cast<std::int16_t>(whole);
}

std::string wholeText(std::int64_t value) {
    return std::to_string(value);
}

std::string numberText(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
        return wholeText(static_cast<std::int64_t>(value));
    }
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
    return {std::begin(buffer), result.ptr};
}

}  // namespace kelo::forms
