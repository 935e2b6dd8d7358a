#include "tag/layout_check.h"

#include <gtest/gtest.h>

#include <sstream>

#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tests/support/temp_dir.h"
#include "tests/tag/dept_fixture.h"
#include "tests/tag/item_fixture.h"

namespace tag {
namespace {

using testing_support::TempDir;

class LayoutCheckTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};

  std::string Check() {
    std::ostringstream out;
    CheckLayouts(env_, out);
    return out.str();
  }
};

TEST_F(LayoutCheckTest, ListsTheCutAndCollidingItemsOfEveryDepartmentAndWritesNothing) {
  dir_.Write("dept.dat", DeptFile({DeptRecord("GENTS RINGS"), FreeSlot(),
                                   DeptRecord("WEDDING SETS"), DeptRecord("PEARLS")}));
  dir_.Write("GENTAGS.DAT", "111 DDD A\r\nDDD\r\n22222 333\r\nDDD\r\nDDD\r\nDDD\r\n");
  ItemFields short_item = Item("300", "01112", "WED", "BAND");
  short_item.grams = "3";
  ItemFields other = short_item;
  other.vendor = "400";
  other.department = "XYZ";
  other.description = "X";
  dir_.Write("invent.dat",
             ItemFile({FullResetItem(), Item("101", "00002", "GEN", "SIGNET"), short_item, other}));
  const auto names = dir_.Names();

  EXPECT_EQ(Check(),
            "Tag layout (default, no tagsize.dat): 3 across; positions A 7, B 29, C 45, D 68, "
            "E 83, F 106.\n"
            "300-01111 WIDE WEDDING BAND WITH 3 DIAS TW/.10 CT  [department WED, layout DEFAULT "
            "(built-in)]\n"
            "  Description: \"WIDE WEDDING BAND WITH 3 DIAS TW/.10 CT\" printed as \"WIDE WEDDING "
            "BAND\"\n"
            "  Grams: \"3.9\" printed as \"3.\"\n"
            "  Tag line 2, tag 1: position A (column 7) runs into position B at column 29, up to "
            "column 29\n"
            "101-00002 SIGNET  [department GEN, layout GENTAGS.DAT]\n"
            "  Description: \"SIGNET\" printed as \"SIG\"\n"
            "\n"
            "Departments: items, items with cut fields, items whose parts collide.\n"
            "  GENTS RINGS [GEN], layout GENTAGS.DAT: 1 item, 1 cut, 0 collide; prints Color, "
            "which items do not hold, blank\n"
            "  WEDDING SETS [WED], layout DEFAULT (built-in): 2 items, 1 cut, 1 collide\n"
            "  PEARLS [PEA], layout DEFAULT (built-in): 0 items, 0 cut, 0 collide\n"
            "  (no department listed) [XYZ], layout DEFAULT (built-in): 1 item, 0 cut, 0 collide\n"
            "Total: 4 items, 2 with cut fields, 1 whose parts collide.\n");
  EXPECT_EQ(dir_.Names(), names);
}

TEST_F(LayoutCheckTest, TheTagLayoutAndDefaultFileOfTheStoreAreUsed) {
  dir_.Write("tagsize.dat", " 1 \r\n 10 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 8 \r\n 1 \r\n");
  dir_.Write("deftags.dat", "333333\r\nDDD\r\nDDD\r\nDDD\r\nDDD\r\nDDD\r\n");
  ItemFields f = Item("300", "00001", "WED", "CAF\xC9 RINGS");
  dir_.Write("invent.dat", ItemRecord(f));
  EXPECT_EQ(Check(),
            "Tag layout tagsize.dat: 1 across; positions A 1, B 10.\n"
            "300-00001 CAF\xC3\x89 RINGS  [department WED, layout DEFAULT (deftags.dat)]\n"
            "  Description: \"CAF\xC3\x89 RINGS\" printed as \"CAF\xC3\x89 R\"\n"
            "\n"
            "Departments: items, items with cut fields, items whose parts collide.\n"
            "  (no department listed) [WED], layout DEFAULT (deftags.dat): 1 item, 1 cut, 0 "
            "collide\n"
            "Total: 1 item, 1 with cut fields, 0 whose parts collide.\n");
  EXPECT_FALSE(dir_.Exists("dept.dat"));
}

TEST_F(LayoutCheckTest, NoItemFileIsSaidAndAnUnreadableOneIsAFileError) {
  const std::string out = Check();
  EXPECT_NE(out.find("There are no items: \"invent.dat\" is missing.\n"), std::string::npos);
  EXPECT_NE(out.find("Total: 0 items, 0 with cut fields, 0 whose parts collide.\n"),
            std::string::npos);
  EXPECT_TRUE(dir_.Names().empty());

  dir_.MakeDirectory("invent.dat");
  EXPECT_THROW(Check(), common::FileError);
}

}  // namespace
}  // namespace tag
