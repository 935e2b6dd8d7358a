#include "cleanslate/staff_file.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "tests/support/record_bytes.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::OldRecords;
using testing_support::Pad;
using testing_support::Spaces;
using testing_support::TempDir;
using testing_support::Zeros;

// A slot: password, letter, name, flags, then Extra1 to Extra8 blank, then
// Extra9 as `extra9`.
std::string Slot(const std::string& password, char letter, const std::string& name,
                 const std::string& flags, const std::string& extra9) {
  return Pad(password, 5) + std::string(1, letter) + Pad(name, 25) + flags +
         Spaces(12 + 25 + 20 + 2 + 10 + 12 + 2 + 2) + extra9;
}

std::string AllSlots(const std::string& extra9) {
  std::string bytes;
  for (int n = 1; n <= 26; ++n) {
    const char letter = static_cast<char>('A' + n - 1);
    if (n == 1) {
      bytes += Slot("QJPX", letter, "CLERK", "YNYNYNNNNNNN", extra9);
    } else if (n == 2) {
      bytes += Slot("ZVK", letter, "DAN SAMPLES", "YNYNYNNNNNNN", extra9);
    } else if (n == 12) {
      bytes += Slot("WQJX", letter, "SUE TESTING", "YYYYYYYYYYYY", extra9);
    } else {
      bytes += Slot("", letter, "", "NNNNNNNNNNNN", extra9);
    }
  }
  return bytes;
}

class StaffFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
};

TEST_F(StaffFileTest, ResetSlotsLeaveExtra9ZeroAndOldStaffFileInPlace) {
  dir_.Write("staff.dat", "old staff");
  WriteStaffSlots(env_);
  const std::string bytes = dir_.Read("staff.hhh");
  ASSERT_EQ(bytes.size(), 3874u);
  const std::string expected = AllSlots(Zeros(21));
  for (int n = 0; n < 26; ++n) {
    EXPECT_EQ(bytes.substr(n * 149, 149), expected.substr(n * 149, 149)) << "slot " << n + 1;
  }
  EXPECT_EQ(bytes.substr(149, 5), "ZVK  ");
  EXPECT_EQ(dir_.Read("staff.dat"), "old staff");
}

TEST_F(StaffFileTest, ResetKeepsSlotsBeyondTwentySix) {
  const std::string old = OldRecords(30, 149);
  dir_.Write("staff.hhh", old);
  WriteStaffSlots(env_);
  const std::string bytes = dir_.Read("staff.hhh");
  ASSERT_EQ(bytes.size(), old.size());
  EXPECT_EQ(bytes.substr(0, 3874), AllSlots(Zeros(21)));
  EXPECT_EQ(bytes.substr(3874), old.substr(3874));
}

TEST_F(StaffFileTest, SeedBlanksExtra9AndDeletesTheOldStaffFile) {
  for (const bool old_file_present : {true, false}) {
    if (old_file_present) dir_.Write("STAFF.DAT", "old staff");
    WriteStaffSeed(env_);
    EXPECT_EQ(dir_.Read("staff.hhh"), AllSlots(Spaces(21))) << old_file_present;
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"staff.hhh"}) << old_file_present;
  }
}

}  // namespace
}  // namespace cleanslate
