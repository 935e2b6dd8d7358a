#include "common/windows1252.h"

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
  EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD"), "?");      // a CJK character
  EXPECT_EQ(Utf8ToWindows1252("a\xC3"), "a?");           // cut short
  EXPECT_EQ(Utf8ToWindows1252("\xFF" "b"), "?b");        // not UTF-8 at all
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
