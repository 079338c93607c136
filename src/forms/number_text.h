#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelo::forms {

/// Strict reading: the whole text, blanks allowed around it, must be a number.
/// Throws RuntimeError(TypeMismatch) otherwise (the empty text included).
double strictNumber(std::string_view text);

/// Lenient reading: the leading number of the text after leading blanks, 0 if there is none.
double lenientNumber(std::string_view text);

/// A real value rounded to the nearest whole number, halves to the even neighbour.
/// Throws RuntimeError(Overflow) when the result does not fit.
std::int64_t roundHalfEven(double value);

/// A real value as a 16-bit integer (rounded half to even); throws RuntimeError(Overflow).
std::int16_t toInt16(double value);

/// A whole number as plain decimal text without blanks: "7", "-45".
std::string wholeText(std::int64_t value);

/// A real value as decimal text: whole values as wholeText, others in their shortest form.
std::string numberText(double value);

}  // namespace kelo::forms
