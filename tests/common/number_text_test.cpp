#include "common/files/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

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

// The store product reads no exponent: " 1E+05" would come back as 1, so
// clicking into the change box and out again would change the font size.
TEST(NumberTextTest, AlwaysPlainDecimalNotation) {
  EXPECT_EQ(NumberText(100000.0f), " 100000");
  EXPECT_EQ(NumberText(1e-4f), " .0001");
  EXPECT_EQ(NumberText(-1e-4), "-.0001");
  EXPECT_EQ(NumberText(1e15), " 1000000000000000");
  EXPECT_EQ(NumberText(1e20f), " 100000002004087734272");  // the whole number it holds
  EXPECT_EQ(NumberText(std::numeric_limits<float>::max()),
            " 340282346638528859811704183484516925440");
  EXPECT_EQ(NumberText(std::numeric_limits<float>::denorm_min()),
            " ." + std::string(44, '0') + "1");
  EXPECT_EQ(NumberText(std::numeric_limits<float>::min()),
            " ." + std::string(37, '0') + "11754944");
  EXPECT_EQ(NumberText(std::numeric_limits<double>::denorm_min()),
            " ." + std::string(323, '0') + "5");
}

// Formatting, then reading back with LeadingNumber, gives the value again.
template <typename T>
void ExpectReadsBack(T value) {
  const std::string text = NumberText(value);
  ASSERT_TRUE(text[0] == ' ' || text[0] == '-') << text;
  ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
  const double read = LeadingNumber(text);
  if constexpr (std::is_floating_point_v<T>) {
    ASSERT_EQ(static_cast<T>(read), value) << text;
  } else {
    ASSERT_EQ(read, static_cast<double>(value)) << text;
  }
}

template <typename Float, typename Bits>
Float FromBits(Bits bits) {
  Float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

TEST(NumberTextTest, EveryWholeNumberReadsBack) {
  for (int v = -32768; v <= 32767; ++v) ExpectReadsBack(static_cast<std::int16_t>(v));
  std::mt19937 random(1998);
  std::uniform_int_distribution<std::int32_t> any32(std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max());
  for (int i = 0; i < 100000; ++i) ExpectReadsBack(any32(random));
  for (const std::int32_t v : {std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max(), 0, -1, 1}) {
    ExpectReadsBack(v);
  }
}

TEST(NumberTextTest, EveryFiniteFloatReadsBackAsTheSameFloat) {
  using F = std::numeric_limits<float>;
  for (const float v : {0.0f, -0.0f, 7.5f, 0.1f, 100000.0f, 1e-4f, 1e7f, 16777217.0f, F::max(),
                        -F::max(), F::min(), F::denorm_min(), -F::denorm_min(), F::epsilon(),
                        1.0f - F::epsilon() / 2, 32767.5f, 2147483648.0f}) {
    ExpectReadsBack(v);
  }
  std::mt19937 random(2024);
  std::uniform_int_distribution<std::uint32_t> bits;
  for (int i = 0; i < 200000; ++i) {
    const float v = FromBits<float>(bits(random));
    if (std::isfinite(v)) ExpectReadsBack(v);
  }
}

TEST(NumberTextTest, DoublesReadBackToo) {
  using D = std::numeric_limits<double>;
  for (const double v : {D::max(), -D::max(), D::min(), D::denorm_min(), 0.1, 1e22, 123456.789}) {
    ExpectReadsBack(v);
  }
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    const double v = FromBits<double>(random());
    if (std::isfinite(v)) ExpectReadsBack(v);
  }
}

struct LeadingCase {
  const char* text;
  double expected;
};

TEST(LeadingNumberTest, ReadsTheNumberAtTheStart) {
  const LeadingCase cases[] = {
      {" 78", 78},
      {"12abc", 12},
      {"", 0},
      {"abc", 0},
      {"-12.5", -12.5},
      {"+7", 7},
      {"- 5", -5},
      {"1 2 3", 123},
      {"\t4\n5", 45},
      {"3.25.5", 3.25},
      {".5", 0.5},
      {"5.", 5},
      {"-", 0},
      {".", 0},
      {"--5", 0},
      {"1,5", 1},
      {"  -12.50", -12.5},
      {"0.00", 0},
      {"1e5", 1},
      {"12\r\n", 12},
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
