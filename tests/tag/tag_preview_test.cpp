#include "tag/tag_preview.h"

#include <gtest/gtest.h>

#include "tests/tag/item_fixture.h"

namespace tag {
namespace {

using Lines = std::vector<std::string>;

std::string Sp(std::size_t n) { return std::string(n, ' '); }

// A7 B29 C45 D68 E83 F106 G130 H140, font size 8, three across.
TagLayout DefaultTagLayout() {
  TagLayout layout;
  layout.tabpos = {0, 7, 29, 45, 68, 83, 106, 130, 140, 0, 0, 0, 0};
  layout.fontsize = 8;
  layout.numacross = 3;
  return layout;
}

TagLayout TwoAcross(std::int16_t a, std::int16_t b, std::int16_t c, std::int16_t d) {
  TagLayout layout;
  layout.tabpos = {0, a, b, c, d, 0, 0, 0, 0, 0, 0, 0, 0};
  layout.numacross = 2;
  return layout;
}

FieldLayout Boxes(std::string t1, std::string t2 = "", std::string t3 = "", std::string t4 = "",
                  std::string t5 = "", std::string t6 = "") {
  return {t1, t2, t3, t4, t5, t6};
}

Lines Lines3(const TagRowPreview& p) { return {p.lines[0], p.lines[1], p.lines[2]}; }

TEST(TagPreviewTest, BuiltInLayoutPrintsTheFullResetItem) {
  const std::string item = ItemRecord(FullResetItem());
  ASSERT_EQ(item.size(), 248u);
  const TagRowPreview p = PreviewTagRow(DefaultTagLayout(), BuiltInFieldLayout(), item);

  // Line 2: the left part ends in column 29, where B's part starts with the
  // space before the blank center stone, so the two run together on tag 1.
  EXPECT_EQ(Lines3(p),
            (Lines{Sp(6) + "300 WED" + Sp(15) + "475.00" + Sp(10) + "300 WED" + Sp(16) + "475.00" +
                       Sp(9) + "300 WED" + Sp(16) + "475.00",
                   Sp(6) + "01111 WIDE WEDDING BANDVS1-J" + Sp(10) +
                       "01111 WIDE WEDDING BAND VS1-J" + Sp(9) + "01111 WIDE WEDDING BAND VS1-J",
                   Sp(6) + "150.00" + Sp(16) + ".10 14 3." + Sp(7) + "150.00" + Sp(17) +
                       ".10 14 3." + Sp(6) + "150.00" + Sp(17) + ".10 14 3."}));
  EXPECT_EQ(p.boxes[2].text, "01111 WIDE WEDDING BAND ");
  EXPECT_EQ(p.boxes[3].text, " VS1-J");
  EXPECT_EQ(DescribeFindings(p),
            (Lines{"Description: \"WIDE WEDDING BAND WITH 3 DIAS TW/.10 CT\" printed as "
                   "\"WIDE WEDDING BAND\"",
                   "Grams: \"3.9\" printed as \"3.\"",
                   "Tag line 2, tag 1: position A (column 7) runs into position B at column 29, "
                   "up to column 29"}));
  EXPECT_TRUE(HasCutField(p));
  ASSERT_EQ(p.collisions.size(), 1u);  // tags 2 and 3 have a column more
  EXPECT_EQ(p.parts.size(), 18u);      // 3 lines, 3 tags, 2 parts
}

TEST(TagPreviewTest, CollisionsBetweenPartsAndBetweenTags) {
  const std::string item = ItemRecord(FullResetItem());
  // "300 WED" from column 1 ends in column 7: it reaches B at 7 but not at 8.
  EXPECT_EQ(PreviewTagRow(TwoAcross(1, 8, 20, 30), Boxes("111 DDD"), item).collisions.size(), 0u);
  const TagRowPreview p = PreviewTagRow(TwoAcross(1, 7, 12, 30), Boxes("111 DDD", "EEEEEE"), item);
  ASSERT_EQ(p.collisions.size(), 2u);
  EXPECT_EQ(DescribeCollision(p.collisions[0]),
            "Tag line 1, tag 1: position A (column 1) runs into position B at column 7, "
            "up to column 7");
  // B's part runs into the next tag's left part.
  EXPECT_EQ(DescribeCollision(p.collisions[1]),
            "Tag line 1, tag 1: position B (column 7) runs into position C at column 12, "
            "up to column 12");
  // A later part prints over an earlier one where they overlap.
  EXPECT_EQ(p.lines[0], "300 WE150.0300 WED" + Sp(11) + "150.00");
  // Trailing spaces print nothing and collide with nothing.
  EXPECT_EQ(PreviewTagRow(TwoAcross(1, 8, 20, 30), Boxes("111 DDD    "), item).collisions.size(),
            0u);
}

TEST(TagPreviewTest, AShorterValuePrintsShorterAndIsNotCut) {
  ItemFields f = FullResetItem();
  f.karat = "9";
  f.retail = "";  // blank: prints nothing at all
  const TagRowPreview p =
      PreviewTagRow(TwoAcross(1, 20, 40, 60), Boxes("99999 | 88888888 | FFF"), ItemRecord(f));
  EXPECT_EQ(p.boxes[0].text, "9 | 3.9 | ");
  EXPECT_FALSE(HasCutField(p));
  EXPECT_TRUE(DescribeFindings(p).empty());
}

TEST(TagPreviewTest, WithoutAnItemTheRunsShowTheirKeysAndMissingFieldsAreNamedOnce) {
  const TagRowPreview p =
      PreviewTagRow(TwoAcross(1, 20, 40, 60), Boxes("AA 111", "BB A", "CCC"), std::nullopt);
  EXPECT_FALSE(p.has_item);
  EXPECT_EQ(p.lines[0], "AA 111" + Sp(13) + "BB A" + Sp(16) + "AA 111" + Sp(14) + "BB A");
  EXPECT_EQ(p.missing_fields, (Lines{"Color", "Age", "Invoice #"}));
  EXPECT_EQ(DescribeFindings(p),
            (Lines{"Color, Age, Invoice #: not held in the item file, printed blank"}));

  // With an item they print nothing, which is no cut.
  const TagRowPreview filled = PreviewTagRow(
      TwoAcross(1, 20, 40, 60), Boxes("AA 111", "BB A", "CCC"), ItemRecord(FullResetItem()));
  EXPECT_EQ(filled.boxes[0].text, " 300");
  EXPECT_EQ(filled.boxes[1].text, " ");
  EXPECT_FALSE(HasCutField(filled));
}

TEST(TagPreviewTest, HighBytesAreOneCharacterAndControlBytesAreShownAsQuestionMarks) {
  ItemFields f = FullResetItem();
  f.description =
      "CAF\xC9 \xAB"
      "CR\xC8ME\xBB BRACELET";
  f.cost = "1\x1b[2J";
  const TagRowPreview p =
      PreviewTagRow(TwoAcross(1, 20, 40, 60), Boxes("3333333333", "EEEEE"), ItemRecord(f));
  EXPECT_EQ(p.boxes[0].text,
            "CAF\xC9 \xAB"
            "CR\xC8M");
  ASSERT_EQ(p.boxes[0].runs.size(), 1u);
  EXPECT_EQ(p.boxes[0].runs[0].full,
            "CAF\xC9 \xAB"
            "CR\xC8ME\xBB BRACELET");
  EXPECT_EQ(p.boxes[1].text, "1?[2J");
}

TEST(TagPreviewTest, TheNumberAcrossIsTakenWithinOneToFourAndColumnsFromOne) {
  TagLayout layout = DefaultTagLayout();
  layout.numacross = 9;
  EXPECT_EQ(PreviewTagRow(layout, BuiltInFieldLayout(), std::nullopt).parts.size(), 24u);
  layout.numacross = 0;
  layout.tabpos[1] = -5;
  const TagRowPreview p = PreviewTagRow(layout, Boxes("111"), std::nullopt);
  EXPECT_EQ(p.parts.size(), 6u);
  EXPECT_EQ(p.lines[0], "111");
}

TEST(TagPreviewTest, KeysAreUpperCaseDigitsOneToNineAndLettersAToF) {
  const TagRowPreview p =
      PreviewTagRow(TwoAcross(1, 30, 60, 90), Boxes("0 ddd G 1D"), ItemRecord(FullResetItem()));
  EXPECT_EQ(p.boxes[0].text, "0 ddd G 3W");
}

}  // namespace
}  // namespace tag
