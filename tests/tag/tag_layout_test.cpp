#include "tag/tag_layout.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tag/micro_adjust_file.h"
#include "tests/support/platform.h"
#include "tests/support/temp_dir.h"

namespace tag {
namespace {

using testing_support::TempDir;
using Positions = std::array<int, 8>;

class TagLayoutTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
  TagLayout layout_;

  TagLayoutTest() { layout_.tagfile = kTagFile; }

  void Read(const std::string& bytes) {
    dir_.Write("tagsize.dat", bytes);
    ReadLayout(env_, layout_);
  }
  Positions PositionsRead() const {
    Positions positions;
    for (int i = 0; i < 8; ++i) positions[i] = layout_.tabpos[i + 1];
    return positions;
  }
};

constexpr char kDefaultBytes[] =
    "\x20\x37\x20\x0D\x0A\x20\x32\x39\x20\x0D\x0A\x20\x34\x35\x20\x0D\x0A\x20\x36\x38\x20\x0D\x0A"
    "\x20\x38\x33\x20\x0D\x0A\x20\x31\x30\x36\x20\x0D\x0A\x20\x31\x33\x30\x20\x0D\x0A\x20\x31\x34"
    "\x30\x20\x0D\x0A\x20\x38\x20\x0D\x0A\x20\x33\x20\x0D\x0A";

TEST_F(TagLayoutTest, DefaultLayoutIsSixtyBytesAndReadsBack) {
  WriteDefaultLayout(env_, "tagsize.dat");
  EXPECT_EQ(dir_.Read("tagsize.dat"), std::string(kDefaultBytes, 60));
  ReadLayout(env_, layout_);
  EXPECT_EQ(PositionsRead(), (Positions{7, 29, 45, 68, 83, 106, 130, 140}));
  EXPECT_EQ(layout_.fontsize, 8.0f);
  EXPECT_EQ(layout_.numacross, 3);
  EXPECT_EQ(layout_.tabpos[0], 0);
  EXPECT_EQ(layout_.tabpos[9], 0);
}

TEST_F(TagLayoutTest, WritesTenLinesWithTheFontSizeInItsShortestForm) {
  layout_.tabpos = {0, 7, 29, 45, 68, 83, 106, 0, -3, 0, 0, 0, 0};
  layout_.fontsize = 7.5f;
  layout_.numacross = 2;
  WriteLayout(env_, layout_);
  EXPECT_EQ(dir_.Read("tagsize.dat"),
            " 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 0 \r\n-3 \r\n"
            "\x20\x37\x2E\x35\x20\x0D\x0A"
            " 2 \r\n");
}

TEST_F(TagLayoutTest, ReadsTheShortFormsAndRepairsDecreasingPositions) {
  struct Case {
    const char* name;
    const char* bytes;
    Positions positions;  // G and H held 130 and 140 before the read
    float fontsize;
    int numacross;
  };
  const Case cases[] = {
      {"seven lines: three across",
       " 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 9 \r\n",
       {7, 29, 45, 68, 83, 106, 130, 140},
       9,
       3},
      {"eight lines",
       " 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 10 \r\n 2 \r\n",
       {7, 29, 45, 68, 83, 106, 130, 140},
       10,
       2},
      {"eight lines, 2.5 across",
       "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n8\r\n2.5\r\n",
       {1, 2, 3, 4, 5, 6, 130, 140},
       8,
       2},
      {"eight lines, 3.5 across",
       "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n8\r\n3.5\r\n",
       {1, 2, 3, 4, 5, 6, 130, 140},
       8,
       4},
      {"B below A is A plus 5, equal stays",
       " 50 \r\n 10 \r\n 55 \r\n 55 \r\n 1 \r\n 2 \r\n 8 \r\n",
       {50, 55, 55, 55, 60, 65, 130, 140},
       8,
       3},
      {"ten lines: G below F is F plus 20, H below G is G plus 5",
       " 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 100 \r\n 110 \r\n 8 \r\n 4 \r\n",
       {7, 29, 45, 68, 83, 106, 126, 131},
       8,
       4},
      {"ten lines: G equal to F stays",
       "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n6\r\n7\r\n7.5\r\n1\r\n",
       {1, 2, 3, 4, 5, 6, 6, 7},
       7.5f,
       1},
      {"fractions round half to even",
       "2.5\r\n3.5\r\n4.5\r\n5.5\r\n6.5\r\n7.5\r\n8\r\n",
       {2, 4, 4, 6, 6, 8, 130, 140},
       8,
       3},
      {"text reads as 0",
       "x\r\n5\r\n5\r\n5\r\n5\r\n5\r\nbig\r\n",
       {0, 5, 5, 5, 5, 5, 130, 140},
       0,
       3},
      {"no line end after the last line",
       "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n8",
       {1, 2, 3, 4, 5, 6, 130, 140},
       8,
       3},
  };
  for (const Case& c : cases) {
    layout_.tabpos[7] = 130;
    layout_.tabpos[8] = 140;
    Read(c.bytes);
    EXPECT_EQ(PositionsRead(), c.positions) << c.name;
    EXPECT_EQ(layout_.fontsize, c.fontsize) << c.name;
    EXPECT_EQ(layout_.numacross, c.numacross) << c.name;
  }
}

TEST_F(TagLayoutTest, ShortFormsLeaveGAndHZeroOnAFirstReadAndSaveAsTenLines) {
  Read(" 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 8 \r\n 2 \r\n");
  EXPECT_EQ(layout_.tabpos[7], 0);
  EXPECT_EQ(layout_.tabpos[8], 0);
  WriteLayout(env_, layout_);
  EXPECT_EQ(dir_.Read("tagsize.dat"),
            " 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 0 \r\n 0 \r\n 8 \r\n 2 \r\n");
}

TEST_F(TagLayoutTest, NumbersSaturateAtTheSixteenBitLimits) {
  Read("70000\r\n-99999\r\n32765\r\n32760\r\n5\r\n6\r\n32767\r\n1\r\n8\r\n99999\r\n");
  // B is below A: A plus 5 saturates; C and D below it: 32767 plus 5 saturates again.
  EXPECT_EQ(PositionsRead(), (Positions{32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767}));
  EXPECT_EQ(layout_.numacross, 32767);
  Read("-70000\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
  EXPECT_EQ(layout_.tabpos[1], -32768);
}

TEST_F(TagLayoutTest, AFileThatEndsEarlyKeepsWhatItDoesNotReach) {
  struct Case {
    const char* name;
    const char* bytes;
    Positions positions;
    float fontsize;
    int numacross;
  };
  // Before each read: positions 11 to 18, font size 9, two across.
  const Case cases[] = {
      {"empty", "", {11, 12, 13, 14, 15, 16, 17, 18}, 9, 2},
      {"blank lines only", "\r\n  \r\n", {11, 12, 13, 14, 15, 16, 17, 18}, 9, 2},
      {"three positions", "1\r\n2\r\n3\r\n", {1, 2, 3, 14, 15, 16, 17, 18}, 9, 2},
      {"nine lines: the number across is not reached",
       "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n30\r\n40\r\n10\r\n",
       {1, 2, 3, 4, 5, 6, 30, 40},
       10,
       2},
      {"eight lines and a blank one",
       "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n8\r\n4\r\n\r\n",
       {1, 2, 3, 4, 5, 6, 17, 18},
       8,
       4},
  };
  for (const Case& c : cases) {
    for (int i = 1; i <= 8; ++i) layout_.tabpos[i] = static_cast<std::int16_t>(10 + i);
    layout_.fontsize = 9;
    layout_.numacross = 2;
    Read(c.bytes);
    EXPECT_EQ(PositionsRead(), c.positions) << c.name;
    EXPECT_EQ(layout_.fontsize, c.fontsize) << c.name;
    EXPECT_EQ(layout_.numacross, c.numacross) << c.name;
  }
}

TEST_F(TagLayoutTest, AMissingLayoutFileIsAFileError) {
  EXPECT_THROW(ReadLayout(env_, layout_), common::FileError);
}

TEST_F(TagLayoutTest, MicroAdjustIsOneFileWhateverTheCaseOfItsName) {
  EXPECT_FALSE(MicroAdjustIsOn(env_));
  SwitchMicroAdjustOn(env_);
  EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"Microadj.dat"}));
  EXPECT_EQ(dir_.Read("Microadj.dat"), "\x30\x0D\x0A");
  EXPECT_TRUE(MicroAdjustIsOn(env_));
  WriteMicroAdjustFactor(env_, "1,5 ");
  EXPECT_EQ(dir_.Read("Microadj.dat"), "1,5 \r\n");
  EXPECT_EQ(ReadMicroAdjustFactor(env_), "1");  // a field ends at the comma
  SwitchMicroAdjustOff(env_);
  EXPECT_TRUE(dir_.Names().empty());
  SwitchMicroAdjustOff(env_);  // nothing to delete: nothing happens

  dir_.Write("MICROADJ.DAT", "7\r\n");
  EXPECT_EQ(ReadMicroAdjustFactor(env_), "7");
  WriteMicroAdjustFactor(env_, "8");
  EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"MICROADJ.DAT"}));
}

// Twins on a case-sensitive disk: the factor is written as "Microadj.dat"
// and read as "microadj.dat"; both must reach the same twin.
TEST_F(TagLayoutTest, TheFactorWrittenIsTheFactorReadBesideACaseTwin) {
  REQUIRE_CASE_SENSITIVE_NAMES();
  dir_.Write("microadj.dat", "1\r\n");
  dir_.Write("MICROADJ.DAT", "2\r\n");
  WriteMicroAdjustFactor(env_, "9");
  EXPECT_EQ(ReadMicroAdjustFactor(env_), "9");
  EXPECT_EQ(dir_.Read("microadj.dat"), "1\r\n");
}

TEST_F(TagLayoutTest, AnEmptiedFactorReadsAsTheEmptyText) {
  WriteMicroAdjustFactor(env_, "");
  EXPECT_EQ(dir_.Read("Microadj.dat"), "\r\n");
  EXPECT_EQ(ReadMicroAdjustFactor(env_), "");
}

}  // namespace
}  // namespace tag
