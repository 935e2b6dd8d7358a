// Numbers as the data files hold them: NumberText and the whole-number line
// form on the writing side, LeadingNumber and half-to-even rounding on the
// reading side.

#ifndef COMMON_FILES_NUMBER_TEXT_H_
#define COMMON_FILES_NUMBER_TEXT_H_

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// The text of a number with its sign position: a space before zero and
// positive numbers, "-" before negative ones, no trailing space: " 0", " 78",
// "-5". A floating-point value gets the fewest digits that LeadingNumber reads
// back as the same value, without a zero before the point: 2.5 gives " 2.5",
// 0.5 gives " .5". Always plain decimal notation, never an exponent, at any
// magnitude: 100000 gives " 100000", 0.0001 gives " .0001".
std::string NumberText(std::int64_t value);
std::string NumberText(double value);
std::string NumberText(float value);
template <std::integral T>
std::string NumberText(T value) {
  return NumberText(static_cast<std::int64_t>(value));
}

// The number at the start of `text`: spaces, tabs and line feeds are ignored
// wherever they stand; then an optional sign, digits, an optional point and
// more digits; reading stops at the first other character. 0 when no digit
// is found.
double LeadingNumber(std::string_view text);

// Rounds to the nearest whole number, a half going to the even neighbour
// (2.5 gives 2, 3.5 gives 4), and saturates at the type's limits.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

// A whole number into 16 bits, saturating at -32768 and 32767.
std::int16_t SaturateToInt16(std::int64_t value);

}  // namespace common

#endif  // COMMON_FILES_NUMBER_TEXT_H_
