// LeadingNumber over any text: never NaN, the whole-number conversions stay
// defined, what follows the number never changes it, and the number written
// back with NumberText reads as the same value.

#include <cmath>

#include "common/files/number_text.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(fuzz::AsText(data, size));
  const double value = common::LeadingNumber(text);
  FUZZ_CHECK(!std::isnan(value));
  common::RoundToInt16(value);
  common::RoundToInt32(value);
  FUZZ_CHECK(common::LeadingNumber(text + "x") == value);
  if (std::isfinite(value)) FUZZ_CHECK(common::LeadingNumber(common::NumberText(value)) == value);
  return 0;
}
