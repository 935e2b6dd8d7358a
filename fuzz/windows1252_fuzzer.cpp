// The conversions between the terminal's UTF-8 and the files' Windows-1252:
// every byte survives the way out and back; well-formed UTF-8 converts
// character by character, checked against a decoder written from the
// definition (no overlong form, no surrogate, nothing above U+10FFFF); and
// text that is not well-formed never converts without a '?'.

#include <optional>

#include "common/platform/windows1252.h"
#include "fuzz/fuzz_support.h"

namespace {

// The code points of `text`, or nothing when it is not well-formed UTF-8.
std::optional<std::vector<char32_t>> Decode(std::string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length;
    char32_t cp, minimum;
    if (lead < 0x80) {
      length = 1, cp = lead, minimum = 0;
    } else if ((lead >> 5) == 0x6) {
      length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead >> 4) == 0xE) {
      length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead >> 3) == 0x1E) {
      length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
      return std::nullopt;
    }
    if (i + length > text.size()) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next >> 6) != 0x2) return std::nullopt;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    points.push_back(cp);
    i += length;
  }
  return points;
}

char ToWindows1252(char32_t cp) {
  for (int b = 0; b < 256; ++b) {
    if (common::Windows1252ToUnicode(static_cast<unsigned char>(b)) == cp) {
      return static_cast<char>(b);
    }
  }
  return '?';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);

  const std::string utf8 = common::Windows1252ToUtf8(text);
  FUZZ_CHECK(Decode(utf8).has_value());
  FUZZ_CHECK(common::Utf8ToWindows1252(utf8) == text);

  const std::string converted = common::Utf8ToWindows1252(text);
  FUZZ_CHECK(converted.size() <= text.size());
  if (const auto points = Decode(text)) {
    std::string expected;
    for (const char32_t cp : *points) expected += ToWindows1252(cp);
    FUZZ_CHECK(converted == expected);
  } else {
    FUZZ_CHECK(converted.find('?') != std::string::npos);
  }
  return 0;
}
