// NumberText of any value a field or line holds (16-, 32- or 64-bit whole
// numbers, single or double precision): a sign position, plain decimal
// digits, never an exponent, and LeadingNumber reads the value back.

#include <cmath>
#include <cstring>

#include "common/files/number_text.h"
#include "fuzz/fuzz_support.h"

namespace {

template <typename T>
T ValueFrom(const std::uint8_t* data, std::size_t size) {
  T value{};
  std::memcpy(&value, data, std::min(size, sizeof value));
  return value;
}

void CheckForm(const std::string& text) {
  FUZZ_CHECK(!text.empty() && (text[0] == ' ' || text[0] == '-'));
  FUZZ_CHECK(text.find_first_not_of("0123456789.", 1) == std::string::npos);
}

template <typename T>
void CheckWhole(T value) {
  const std::string text = common::NumberText(value);
  CheckForm(text);
  FUZZ_CHECK(common::LeadingNumber(text) == static_cast<double>(value));
}

template <typename T>
void CheckFloating(T value) {
  if (!std::isfinite(value)) return;
  const std::string text = common::NumberText(value);
  CheckForm(text);
  FUZZ_CHECK(static_cast<T>(common::LeadingNumber(text)) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t* value = data + 1;
  const std::size_t rest = size - 1;
  switch (data[0] % 5) {
    case 0:
      CheckWhole(ValueFrom<std::int16_t>(value, rest));
      break;
    case 1:
      CheckWhole(ValueFrom<std::int32_t>(value, rest));
      break;
    case 2:
      CheckWhole(ValueFrom<std::int64_t>(value, rest));
      break;
    case 3:
      CheckFloating(ValueFrom<float>(value, rest));
      break;
    case 4:
      CheckFloating(ValueFrom<double>(value, rest));
      break;
  }
  return 0;
}
