#include "common/platform/windows1252.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(Windows1252Test, ConvertsToAndFromUtf8) {
  const std::string cp1252 = "CAF\xC9 \x80 \x93Q\x94 \x9A";
  const std::string utf8 = "CAF\xC3\x89 \xE2\x82\xAC \xE2\x80\x9CQ\xE2\x80\x9D \xC5\xA1";
  EXPECT_EQ(Windows1252ToUtf8(cp1252), utf8);
  EXPECT_EQ(Utf8ToWindows1252(utf8), cp1252);
}

TEST(Windows1252Test, UnmappableAndBrokenInputBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD"), "?");  // a CJK character
  EXPECT_EQ(Utf8ToWindows1252("a\xC3"), "a?");        // cut short
  EXPECT_EQ(Utf8ToWindows1252("\xFF"
                              "b"),
            "?b");  // not UTF-8 at all
}

// Byte strings that a lenient decoder takes for characters: "C0 AF" would
// become a '/' in a department text, "C0 80" a NUL.
TEST(Windows1252Test, IllFormedUtf8BecomesQuestionMarks) {
  struct Case {
    const char* name;
    std::string utf8;
    std::string expected;
  };
  const Case cases[] = {
      {"overlong slash", "\xC0\xAF", "??"},
      {"overlong NUL",
       "a\xC0\x80"
       "b",
       "a??b"},
      {"overlong three bytes", "\xE0\x80\xAF", "???"},
      {"overlong four bytes", "\xF0\x80\x80\xAF", "????"},
      {"surrogate", "\xED\xA0\x80", "???"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
      {"F5 lead", "\xF5\x80\x80\x80", "????"},
      {"cut-short sequence is one mark",
       "\xE2\x82"
       "x",
       "?x"},
      {"stray continuation", "\x80", "?"},
      {"last before the surrogates", "\xED\x9F\xBF", "?"},  // U+D7FF, no 1252 form
      {"first after the surrogates", "\xEE\x80\x80", "?"},  // U+E000
      {"highest code point", "\xF4\x8F\xBF\xBF", "?"},      // U+10FFFF
      {"shortest two-byte form", "\xC2\xA0", "\xA0"},
      {"euro sign", "\xE2\x82\xAC", "\x80"},
      {"undefined byte of the code page", "\xC2\x81", "\x81"},
      {"C1 control without a 1252 form", "\xC2\x80", "?"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.expected) << c.name;
  }
}

TEST(Windows1252Test, EveryByteSurvivesTheRoundTrip) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string text(1, static_cast<char>(byte));
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(text)), text) << "byte " << byte;
  }
}

TEST(Windows1252Test, FoldsLettersOfBothRanges) {
  EXPECT_EQ(FoldCase1252('A'), 'a');
  EXPECT_EQ(FoldCase1252('z'), 'z');
  EXPECT_EQ(FoldCase1252('\xC9'), '\xE9');  // E acute
  EXPECT_EQ(FoldCase1252('\xD7'), '\xD7');  // the multiplication sign has no case
  EXPECT_EQ(FoldCase1252('\x8A'), '\x9A');  // S caron
  EXPECT_EQ(FoldCase1252('['), '[');
}

}  // namespace
}  // namespace common
