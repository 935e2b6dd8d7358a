#include "common/files/text_record.h"

#include <gtest/gtest.h>

namespace common {
namespace {

class SampleRecord : public FixedRecord<10> {
 public:
  using FixedRecord::FixedRecord;
  static constexpr TextField Code{0, 3};
  static constexpr TextField Name{3, 5};
  static constexpr TextField Flag{8, 2};
  static_assert(FieldsFillRecord(kLength, {Code, Name, Flag}));
};

// Layouts that must not compile: a gap, an overlap, a short or long total.
static_assert(!FieldsFillRecord(10, {{0, 3}, {4, 6}}));
static_assert(!FieldsFillRecord(10, {{0, 3}, {2, 8}}));
static_assert(!FieldsFillRecord(10, {{0, 3}, {3, 5}}));
static_assert(!FieldsFillRecord(10, {{0, 3}, {3, 8}}));
static_assert(!FieldsFillRecord(3, {{0, 3}, {3, 0}}));

TEST(TextRecordTest, NewRecordIsAllZeroBytes) {
  SampleRecord record;
  EXPECT_EQ(record.bytes(), std::string(10, '\0'));
}

TEST(TextRecordTest, AssignPadsCutsAndLeavesOtherFieldsAlone) {
  SampleRecord record;
  record.Set(SampleRecord::Name, "ABC");
  EXPECT_EQ(record.bytes(), std::string("\0\0\0ABC  \0\0", 10));
  record.Set(SampleRecord::Name, "ABCDEFG");
  EXPECT_EQ(record.bytes(), std::string("\0\0\0ABCDE\0\0", 10));
  record.Set(SampleRecord::Code, "");
  EXPECT_EQ(record.bytes(), std::string("   ABCDE\0\0", 10));
  EXPECT_EQ(record.Get(SampleRecord::Flag), std::string("\0\0", 2));
  record.Set(SampleRecord::Flag, "Y");
  EXPECT_EQ(record.Get(SampleRecord::Flag), "Y ");
}

TEST(TextRecordTest, RecordFromOtherBytesTakesItsLength) {
  const SampleRecord shorter(TextRecord(std::string("ABC"), 3));
  EXPECT_EQ(shorter.bytes(), std::string("ABC\0\0\0\0\0\0\0", 10));
  const SampleRecord longer(TextRecord(std::string("0123456789XYZ"), 13));
  EXPECT_EQ(longer.bytes(), "0123456789");
}

}  // namespace
}  // namespace common
