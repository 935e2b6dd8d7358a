#include "cleanslate/inventory_file.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "tests/support/fixed_sources.h"
#include "tests/support/record_bytes.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::FixedRandom;
using testing_support::OldRecords;
using testing_support::Pad;
using testing_support::Spaces;
using testing_support::TempDir;
using testing_support::Zeros;

struct Item {
  std::string vendor, item, description, carat, total, grams, date, random, cost, retail;
};

// The bytes of an item as the inventory writers fill it: StoneQuality,
// ReorderNumber, Karat, Flag and Department fixed; Extra5, Extra6 and
// Extra10 blank; the other extras never assigned.
std::string ItemBytes(const Item& i) {
  return i.vendor + i.item + Pad(i.description, 80) + Pad(i.carat, 5) + Pad("VS1-J", 9) + Zeros(1) +
         Pad(i.total, 5) + Pad("123456789", 15) + Pad(i.grams, 6) + "14" + "Y" + Pad(i.date, 8) +
         Pad(i.random, 15) + Spaces(8) + Spaces(13) + Zeros(1) + Zeros(6) + Zeros(5) + Spaces(7) +
         Zeros(1) + "WED" + Pad(i.cost, 12) + Pad(i.retail, 12) + Zeros(12) + Zeros(13);
}

class InventoryFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
};

TEST_F(InventoryFileTest, SampleItemReplacesRecordOneAndCountsZero) {
  const std::string old = OldRecords(10, 248);
  dir_.Write("invent.dat", old);
  dir_.Write("wideinv.dat", "NO\r\n");
  FixedRandom random(0.5);

  WriteSampleItem(env_, random);

  const std::string bytes = dir_.Read("invent.dat");
  ASSERT_EQ(bytes.size(), 2480u);
  EXPECT_EQ(bytes.substr(0, 248), ItemBytes({"998", "00001", "Lady's Diamond Ring ", ".33", ".06",
                                             "1.9", "1-1-93", " 49999999", ".50", "1.00"}));
  EXPECT_EQ(bytes.substr(248), old.substr(248));
  EXPECT_EQ(dir_.Read("invent.ptn"), " 0\r\n 0\r\n0\r\n");
  EXPECT_EQ(dir_.Read("wideinv.dat"), "NO\r\n");
  EXPECT_EQ(random.draws, 1);
}

TEST_F(InventoryFileTest, SeedWritesOneItemItsCountsAndTheWideSwitch) {
  FixedRandom random(0.25);
  WriteInventorySeed(env_, random);

  EXPECT_EQ(dir_.Read("invent.dat"),
            ItemBytes({"300", "01111", "WIDE WEDDING BAND WITH 3 DIAS TW/.10 CT", "", ".10", "3.9",
                       "1-1-95", " 24999999", "150.00", "475.00"}));
  EXPECT_EQ(dir_.Read("invent.ptn"), "\x20\x31\r\n\x20\x31\r\n\x30\r\n");
  EXPECT_EQ(dir_.Read("wideinv.dat"), "YES\r\n");
  EXPECT_EQ(random.draws, 1);
}

TEST(RandomNumberTextTest, IntegerPartOfTheDrawTimes99999999) {
  struct Case {
    double draw;
    const char* expected;
  };
  const Case cases[] = {
      {0.5, " 49999999"},
      {0.0, " 0"},
      {1.0 / 99999999 / 2, " 0"},  // below the first step
      {0.999999999999, " 99999998"},
      {0.123, " 12299999"},
      {1.0, " 99999998"},  // a source that breaks its range still fits
      {-0.25, " 0"},
  };
  for (const Case& c : cases) EXPECT_EQ(RandomNumberText(c.draw), c.expected) << c.draw;
}

}  // namespace
}  // namespace cleanslate
