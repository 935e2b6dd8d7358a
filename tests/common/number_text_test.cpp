#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace common {
namespace {

TEST(NumberTextTest, WholeNumbersHaveASignPosition) {
  EXPECT_EQ(NumberText(0), " 0");
  EXPECT_EQ(NumberText(1), " 1");
  EXPECT_EQ(NumberText(78), " 78");
  EXPECT_EQ(NumberText(-5), "-5");
  EXPECT_EQ(NumberText(std::int16_t{-32768}), "-32768");
  EXPECT_EQ(NumberText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(NumberTextTest, FractionsUseTheShortestDecimalForm) {
  EXPECT_EQ(NumberText(2.5), " 2.5");
  EXPECT_EQ(NumberText(7.5f), " 7.5");
  EXPECT_EQ(NumberText(8.0f), " 8");
  EXPECT_EQ(NumberText(0.5), " .5");
  EXPECT_EQ(NumberText(-0.5f), "-.5");
  EXPECT_EQ(NumberText(0.1f), " .1");  // not .100000001 from the double widening
  EXPECT_EQ(NumberText(-12.25), "-12.25");
  EXPECT_EQ(NumberText(0.0f), " 0");
}

struct LeadingCase {
  const char* text;
  double expected;
};

TEST(LeadingNumberTest, ReadsTheNumberAtTheStart) {
  const LeadingCase cases[] = {
      {" 78", 78},       {"12abc", 12},      {"", 0},          {"abc", 0},
      {"-12.5", -12.5},  {"+7", 7},          {"- 5", -5},      {"1 2 3", 123},
      {"\t4\n5", 45},    {"3.25.5", 3.25},   {".5", 0.5},      {"5.", 5},
      {"-", 0},          {".", 0},           {"--5", 0},       {"1,5", 1},
      {"  -12.50", -12.5}, {"0.00", 0},      {"1e5", 1},       {"12\r\n", 12},
      {"1 000 000", 1000000},
  };
  for (const LeadingCase& c : cases) {
    EXPECT_EQ(LeadingNumber(c.text), c.expected) << "text: \"" << c.text << "\"";
  }
}

TEST(LeadingNumberTest, HugeAndTinyNumbersStayFinite) {
  const std::string huge(400, '9');
  EXPECT_TRUE(std::isinf(LeadingNumber(huge)));
  EXPECT_EQ(RoundToInt32(LeadingNumber(huge)), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundToInt32(LeadingNumber("-" + huge)), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundToInt16(2.5), 2);
  EXPECT_EQ(RoundToInt16(3.5), 4);
  EXPECT_EQ(RoundToInt16(-2.5), -2);
  EXPECT_EQ(RoundToInt16(2.51), 3);
  EXPECT_EQ(RoundToInt32(0.5), 0);
  EXPECT_EQ(RoundToInt32(1.5), 2);
}

TEST(RoundingTest, SaturatesAtTheLimits) {
  EXPECT_EQ(RoundToInt16(99999), 32767);
  EXPECT_EQ(RoundToInt16(-70000), -32768);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt32(1e12), 2147483647);
  EXPECT_EQ(RoundToInt32(-1e12), -2147483647 - 1);
  EXPECT_EQ(SaturateToInt16(32767 + 5), 32767);
  EXPECT_EQ(SaturateToInt16(-40000), -32768);
}

}  // namespace
}  // namespace common
