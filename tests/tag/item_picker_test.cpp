#include "tag/item_picker.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "tests/support/temp_dir.h"
#include "tests/tag/item_fixture.h"

namespace tag {
namespace {

using testing_support::TempDir;
using Labels = std::vector<std::string>;
using Indexes = std::vector<std::size_t>;

class ItemPickerTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
  ItemPicker picker_{env_};

  Labels Listed() const {
    Labels labels;
    for (std::size_t i = 0; i < picker_.size(); ++i) labels.push_back(picker_.Label(i));
    return labels;
  }
};

TEST_F(ItemPickerTest, AMissingOrEmptyItemFileListsNoItemsAndIsNotCreated) {
  picker_.ShowDepartment("WEDDING SETS");
  EXPECT_EQ(picker_.listing(), ItemPicker::Listing::kNoItems);
  EXPECT_EQ(picker_.size(), 0u);
  EXPECT_FALSE(picker_.SelectedItem());
  EXPECT_EQ(picker_.Status(), "There are no items: \"invent.dat\" is missing or empty.");
  EXPECT_TRUE(dir_.Names().empty());

  dir_.Write("INVENT.DAT", "");
  picker_.ShowDepartment("WEDDING SETS", /*reload=*/true);
  EXPECT_EQ(picker_.listing(), ItemPicker::Listing::kNoItems);
}

TEST_F(ItemPickerTest, ListsTheDepartmentsItemsAndPassesOverBlankRemovedAndPartialRecords) {
  dir_.Write(
      "invent.dat",
      ItemFile({Item("300", "01111", "WED", "WIDE BAND"), Item("101", "00002", "GEN", "SIGNET"),
                Item("999", "00003", "WED", "REMOVED"), Item("   ", "     ", "WED", "BLANK"),
                Item("300", "01112", "wed", "NARROW BAND")}) +
          ItemRecord(Item("300", "01113", "WED", "PARTIAL")).substr(0, 247));
  picker_.ShowDepartment("WEDDING SETS                ");
  EXPECT_EQ(picker_.listing(), ItemPicker::Listing::kDepartment);
  EXPECT_EQ(Listed(), (Labels{"300-01111 WIDE BAND", "300-01112 NARROW BAND"}));
  EXPECT_EQ(picker_.selected(), 0u);
  EXPECT_EQ(picker_.Status(), "2 items of department WED.");

  // The same department typed another way is not read again.
  const std::size_t listings = picker_.listings();
  picker_.ShowDepartment("wedding");
  EXPECT_EQ(picker_.listings(), listings);
  picker_.ShowDepartment("GENTS RINGS");
  EXPECT_EQ(Listed(), (Labels{"101-00002 SIGNET"}));
}

TEST_F(ItemPickerTest, ADepartmentWithoutItemsListsTheStoresFirstItems) {
  std::string bytes;
  for (int i = 0; i < 1005; ++i)
    bytes += ItemRecord(Item("300", std::to_string(10000 + i), "WED", "RING"));
  dir_.Write("invent.dat", bytes);
  picker_.ShowDepartment("DEFAULT");
  EXPECT_EQ(picker_.listing(), ItemPicker::Listing::kOtherItems);
  EXPECT_EQ(picker_.size(), 1000u);
  EXPECT_EQ(picker_.Label(999), "300-10999 RING");
  EXPECT_EQ(picker_.Status(),
            "No items of department DEF; showing the first 1000 items of the store.");
  picker_.ShowDepartment("AB");  // too short to name a department
  EXPECT_EQ(picker_.listing(), ItemPicker::Listing::kOtherItems);
  EXPECT_EQ(picker_.size(), 1000u);
}

TEST_F(ItemPickerTest, SearchFindsLabelsInAnyCaseAndSelectionStaysInTheList) {
  dir_.Write("invent.dat", ItemFile({Item("300", "01111", "WED", "WIDE BAND"),
                                     Item("300", "01112", "WED", "Caf\xE9 ring"),
                                     Item("301", "00001", "WED", "NARROW BAND")}));
  picker_.ShowDepartment("WED");
  EXPECT_EQ(picker_.Search("band"), (Indexes{0, 2}));
  EXPECT_EQ(picker_.Search("CAF\xC9"), (Indexes{1}));  // accented letters fold too
  EXPECT_EQ(picker_.Search("301-"), (Indexes{2}));
  EXPECT_EQ(picker_.Search(""), (Indexes{0, 1, 2}));
  picker_.Select(2);
  EXPECT_EQ(picker_.SelectedItem()->substr(0, 8), "30100001");
  picker_.Select(3);
  EXPECT_EQ(picker_.selected(), 2u);
}

TEST_F(ItemPickerTest, AnUnreadableItemFileIsReportedNotThrown) {
  dir_.MakeDirectory("invent.dat");
  picker_.ShowDepartment("WED");
  EXPECT_EQ(picker_.listing(), ItemPicker::Listing::kError);
  EXPECT_NE(picker_.Status().find("invent.dat"), std::string::npos);
  EXPECT_NE(picker_.Status().find("directory"), std::string::npos);
  EXPECT_EQ(picker_.size(), 0u);
}

}  // namespace
}  // namespace tag
