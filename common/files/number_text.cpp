#include "common/files/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace common {

namespace {

// Shortest round-trip text of a finite value, without its sign, in the form
// the store product writes: plain decimal notation whatever the magnitude
// (the product reads no exponent, so " 1E+05" would come back as 1), and no
// leading zero before the point.
template <typename Float>
std::string ShortestDigits(Float magnitude) {
  // The longest plain form is that of the smallest subnormal double: "0.",
  // 323 zeros and a digit.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
  std::string digits(buffer, result.ptr);
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return digits;
}

template <typename Float>
std::string FloatText(Float value) {
  if (std::isnan(value)) return " NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : " Inf";
  if (value == 0) return " 0";
  return (value < 0 ? "-" : " ") + ShortestDigits(std::fabs(value));
}

template <typename Int>
Int RoundTo(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);  // the default mode rounds half to even
  if (rounded <= static_cast<double>(std::numeric_limits<Int>::min())) {
    return std::numeric_limits<Int>::min();
  }
  if (rounded >= static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::numeric_limits<Int>::max();
  }
  return static_cast<Int>(rounded);
}

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

}  // namespace

std::string NumberText(std::int64_t value) {
  if (value < 0) {
    // Through the unsigned type so that the smallest value has a magnitude.
    const auto magnitude = 0 - static_cast<std::uint64_t>(value);
    return "-" + std::to_string(magnitude);
  }
  return " " + std::to_string(value);
}

std::string NumberText(double value) { return FloatText(value); }
std::string NumberText(float value) { return FloatText(value); }

double LeadingNumber(std::string_view text) {
  // The number without what is ignored, built on the stack for the short
  // texts of fields and lines: the customer walks call this once a record.
  char small[64];
  std::string large;
  char* clean = small;
  if (text.size() + 1 > sizeof small) {
    large.resize(text.size() + 1);
    clean = large.data();
  }
  std::size_t length = 0;
  std::size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && IsIgnored(text[i])) ++i;
  };
  skip();
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') clean[length++] = '-';
    ++i;
  }
  bool any_digit = false;
  bool nonzero_digit = false;
  bool nonzero_whole_digit = false;
  bool seen_point = false;
  for (;; ++i) {
    skip();
    if (i >= text.size()) break;
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      clean[length++] = c;
      any_digit = true;
      if (c != '0') {
        nonzero_digit = true;
        if (!seen_point) nonzero_whole_digit = true;
      }
    } else if (c == '.' && !seen_point) {
      clean[length++] = c;
      seen_point = true;
    } else {
      break;
    }
  }
  if (!any_digit || !nonzero_digit) return 0;
  // from_chars, unlike strtod, does not depend on the locale's decimal point.
  double value = 0;
  const auto [end, error] = std::from_chars(clean, clean + length, value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    if (!nonzero_whole_digit) return 0;  // too small to tell from zero
    return clean[0] == '-' ? -HUGE_VAL : HUGE_VAL;
  }
  return value;
}

std::int16_t RoundToInt16(double value) { return RoundTo<std::int16_t>(value); }
std::int32_t RoundToInt32(double value) { return RoundTo<std::int32_t>(value); }

std::int16_t SaturateToInt16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min())
    return std::numeric_limits<std::int16_t>::min();
  if (value > std::numeric_limits<std::int16_t>::max())
    return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(value);
}

}  // namespace common
