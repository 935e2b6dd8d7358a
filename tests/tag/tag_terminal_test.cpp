#include "tag/terminal/tag_terminal.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "common/platform/default_env.h"
#include "tag/change_order.h"
#include "tests/support/platform.h"
#include "tests/support/temp_dir.h"
#include "tests/tag/dept_fixture.h"
#include "tests/tag/item_fixture.h"

namespace tag {
namespace {

using testing_support::TempDir;
using Names = std::vector<std::string>;

constexpr char kDefaultFile[] =
    " 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 130 \r\n 140 \r\n 8 \r\n 3 \r\n";

struct Session {
  int status;
  std::string out, err;
};

class TagTerminalTest : public ::testing::Test {
 protected:
  TempDir dir_;

  Session Run(const std::string& input) {
    common::DefaultEnv env(dir_.path());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunTerminal(in, out, err, env);
    return {status, out.str(), err.str()};
  }
  static std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
  }
};

TEST_F(TagTerminalTest, ASettingChangedAndSaved) {
  const Session s = Run("3\n50\n10\n\nx\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(s.err, "");
  EXPECT_NE(s.out.find("Change box: \" 45\""), std::string::npos);
  EXPECT_NE(s.out.find("   3  Position C is now:  50\n"), std::string::npos);
  EXPECT_NE(s.out.find("Change box: \" 3\""), std::string::npos);  // an empty line keeps it
  EXPECT_EQ(dir_.Read("tagsize.dat"),
            " 7 \r\n 29 \r\n 50 \r\n 68 \r\n 83 \r\n 106 \r\n 130 \r\n 140 \r\n 8 \r\n 3 \r\n");
}

TEST_F(TagTerminalTest, UnknownCommandsAreSaidAndQuitWritesNothing) {
  const Session s = Run("3\n50\nzap\n11\nq\nx\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_NE(s.out.find("Unknown command \"zap\"."), std::string::npos);
  EXPECT_NE(s.out.find("Unknown command \"11\"."), std::string::npos);
  EXPECT_EQ(dir_.Read("tagsize.dat"), kDefaultFile);  // q came before x
}

TEST_F(TagTerminalTest, TheEndOfInputInTheChangeBoxEndsWithoutWriting) {
  const Session s = Run("e\n");
  EXPECT_EQ(s.status, 0);
  // Into the box before any line was clicked: the hint, then the box.
  EXPECT_NE(s.out.find("It is easier if you click on Save Change before clicking on the List."),
            std::string::npos);
  EXPECT_EQ(dir_.Read("tagsize.dat"), kDefaultFile);
}

TEST_F(TagTerminalTest, TheDepartmentWindowSavesAndHandsBackToTheLayoutWindow) {
  dir_.Write("dept.dat", DeptFile({DeptRecord("GENTS RINGS"), DeptRecord("CAF\xC9")}));
  const Session s = Run("o\np\n1\n1\nXYZ\ns\nx\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_NE(s.out.find("   2  CAF\xC3\x89"), std::string::npos);  // shown as UTF-8
  EXPECT_NE(s.out.find("Label for department: \"GENTS RINGS                 \""),
            std::string::npos);
  EXPECT_EQ(dir_.Read("GENTAGS.DAT"),
            "XYZ\r\nFFFFFFFFFFFF\r\n22222 33333333333333333 \r\n44444 55555555\r\n"
            "EEEEEEEEEEEE\r\n66666 99 88\r\n");
  EXPECT_EQ(dir_.Read("tagsize.dat"), kDefaultFile);  // x went to the layout window
}

TEST_F(TagTerminalTest, BackKeepsTheDepartmentWindowAndCloseOpensItAnew) {
  const Session s = Run("o\nd\nWATCHES\nb\no\nq\no\nzz\nd\nÄB\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(Count(s.out, "Label for department: \"WATCHES\""), 2u);  // after d and again after b, o
  EXPECT_EQ(Count(s.out, "Label for department: \"DEFAULT\""), 2u);  // first opening, reopening
  EXPECT_NE(s.out.find("Unknown command \"zz\"."), std::string::npos);
  EXPECT_NE(s.out.find("No department so nothing saved"), std::string::npos);
  EXPECT_EQ(testing_support::DataNames(dir_), (Names{"dept.dat", "tagsize.dat"}));
}

TEST_F(TagTerminalTest, TheDefaultResetAsksAndClosesTheWindow) {
  dir_.Write("dept.dat", DeptFile({DeptRecord("GENTS RINGS")}));
  dir_.Write("GENTAGS.DAT", "x\r\n");
  dir_.Write("DEFTAGS.DAT", "x\r\n");
  const Session s = Run("o\nr\ny\nn\n");  // both questions default to No
  EXPECT_EQ(s.status, 0);
  EXPECT_NE(s.out.find("[y/N]"), std::string::npos) << s.out;
  EXPECT_EQ(testing_support::DataNames(dir_), (Names{"DEFTAGS.DAT", "dept.dat", "tagsize.dat"}));
  EXPECT_NE(s.out.rfind("tags layout> "), std::string::npos);
  EXPECT_GT(s.out.rfind("tags layout> "), s.out.rfind("department window> "));
}

// q in the layout window with the department window still open: the
// program goes on with that window and ends when it closes.
TEST_F(TagTerminalTest, QuittingTheLayoutWindowLeavesTheDepartmentWindowOpen) {
  dir_.Write("dept.dat", DeptFile({DeptRecord("WATCHES")}));
  const Session s = Run("o\nb\nq\nb\n1\nKEPT\ns\nx\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_NE(s.out.find("The layout window is closed; q closes this window and ends."),
            std::string::npos);
  // Save Change closed the last window: the x after it was never read.
  EXPECT_EQ(s.out.substr(s.out.rfind("department window> ")), "department window> ");
  EXPECT_EQ(dir_.Read("DEFTAGS.DAT").substr(0, 6), "KEPT\r\n");
  EXPECT_EQ(dir_.Read("tagsize.dat"), kDefaultFile);
}

TEST_F(TagTerminalTest, ClosingTheLastWindowEndsTheProgram) {
  struct Case {
    const char* name;
    const char* input;
    std::size_t layout_prompts;
  };
  const Case cases[] = {
      {"q in the layout window alone", "q\nx\n", 1},
      {"q in both windows", "o\nb\nq\nq\nx\n", 2},
      {"q in the department window, then the layout's", "o\nq\nq\nx\n", 2},
  };
  for (const Case& c : cases) {
    const Session s = Run(c.input);
    EXPECT_EQ(s.status, 0) << c.name;
    EXPECT_EQ(Count(s.out, "tags layout> "), c.layout_prompts) << c.name;
    EXPECT_EQ(dir_.Read("tagsize.dat"), kDefaultFile) << c.name;  // x never read
  }
}

// "C0 AF" is an overlong '/': taken as a character it would put the layout
// file of a department "../X" outside the data directory.
TEST_F(TagTerminalTest, IllFormedUtf8InADepartmentTextIsRefused) {
  const Session s =
      Run("o\nd\n\xC0\xAF"
          "AB\n\ns\n\nq\n");  // Enter after each message
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(Count(s.out, DepartmentRefusal("??AB")), 2u);  // the change, then Save Change
  EXPECT_NE(s.out.find("Label for department: \"??AB\""), std::string::npos);
  EXPECT_EQ(testing_support::DataNames(dir_), (Names{"dept.dat", "tagsize.dat"}));
}

TEST_F(TagTerminalTest, ViewAndItemsShowTheDepartmentsItemsWithoutChangingTheWindow) {
  dir_.Write("dept.dat", DeptFile({DeptRecord("WEDDING SETS")}));
  dir_.Write("invent.dat",
             ItemFile({Item("300", "00001", "GEN", "SIGNET"), Item("300", "00002", "WED", "BAND"),
                       Item("300", "00003", "WED", "WIDE BAND")}));
  const Session s = Run("o\np\n1\n1\n22222\ni band\nv 2\nv 3\nv x\nq\nq\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(s.err, "");
  EXPECT_NE(
      s.out.find(
          "2 items of department WED.\n     1  300-00002 BAND\n     2  300-00003 WIDE BAND\n"),
      std::string::npos);
  EXPECT_NE(s.out.find("Item 2: 300-00003 WIDE BAND\n"), std::string::npos);
  EXPECT_NE(s.out.find("Line 1        00003" + std::string(17, ' ') + "475.00"), std::string::npos);
  EXPECT_NE(s.out.find("There is no item number \"3\" in this list."), std::string::npos);
  EXPECT_NE(s.out.find("There is no item number \"x\" in this list."), std::string::npos);
  // The window is printed after p and 1, not after i or v.
  EXPECT_EQ(Count(s.out, "== Change Tag Printing Order of Information =="), 3u);
  EXPECT_EQ(testing_support::DataNames(dir_), (Names{"dept.dat", "invent.dat", "tagsize.dat"}));
}

// The program itself, through a pipe, in its data directory.
class TagProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { REQUIRE_POSIX_SHELL(); }

  TempDir dir_;

  int RunProgram(const std::string& input, const std::string& args = "--terminal") {
    dir_.Write("input.txt", input);
    const std::string command = "cd '" + dir_.path() + "' && " + TAG_PROGRAM + " " + args +
                                " < input.txt > out.txt 2> err.txt";
    return testing_support::RunShell(command);
  }
};

TEST_F(TagProgramTest, RunsThroughAPipeAndWritesItsFiles) {
  dir_.Write("dept.dat", DeptFile({DeptRecord("WATCHES")}));
  EXPECT_EQ(RunProgram("9\n7.5\nm\n\nf\n3\no\np\n1\n6\n99\ns\nx\n"), 0);
  EXPECT_EQ(dir_.Read("err.txt"), "");
  EXPECT_EQ(dir_.Read("tagsize.dat"),
            " 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 130 \r\n 140 \r\n 7.5 \r\n 3 \r\n");
  EXPECT_EQ(dir_.Read("Microadj.dat"), "3\r\n");
  EXPECT_EQ(dir_.Read("WATTAGS.DAT"),
            "111 DDD\r\nFFFFFFFFFFFF\r\n22222 33333333333333333 \r\n44444 55555555\r\n"
            "EEEEEEEEEEEE\r\n99\r\n");
  const std::string out = dir_.Read("out.txt");
  // The data directory's full path comes first, once.
  const std::string path_line =
      "Data directory: " + std::filesystem::canonical(dir_.path()).string() + "\n";
  EXPECT_EQ(out.substr(0, path_line.size()), path_line);
  EXPECT_EQ(out.find(path_line, 1), std::string::npos);
  EXPECT_NE(out.find("   9  The font size is now:  7.5"), std::string::npos);
  EXPECT_NE(out.find("Micro-adjust factor: \"3\""), std::string::npos);
}

TEST_F(TagProgramTest, EndOfInputEndsWithStatusZeroAndAFileErrorWithOne) {
  EXPECT_EQ(RunProgram(""), 0);
  EXPECT_EQ(dir_.Read("tagsize.dat"), kDefaultFile);

  dir_.MakeDirectory("microadj.dat");
  EXPECT_EQ(RunProgram("m\n\n"), 1);
  const std::string err = dir_.Read("err.txt");
  EXPECT_EQ(err.substr(0, 5), "tag: ");
  EXPECT_NE(err.find("microadj.dat"), std::string::npos);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST_F(TagProgramTest, ViewsATagRowThroughAPipe) {
  dir_.Write("invent.dat", ItemRecord(FullResetItem()));
  EXPECT_EQ(RunProgram("o\nv\n"), 0);
  EXPECT_EQ(dir_.Read("err.txt"), "");
  const std::string out = dir_.Read("out.txt");
  EXPECT_NE(out.find("No items of department DEF; showing the 1 item of the store.\n"
                     "Item 1: 300-01111 WIDE WEDDING BAND WITH 3 DIAS TW/.10 CT\n"),
            std::string::npos);
  EXPECT_NE(out.find("Tabs          A                     B               C"), std::string::npos);
  EXPECT_NE(out.find("Line 2        01111 WIDE WEDDING BANDVS1-J"), std::string::npos);
  EXPECT_NE(out.find("  Grams: \"3.9\" printed as \"3.\"\n"), std::string::npos);
  EXPECT_NE(
      out.find("  Tag line 2, tag 1: position A (column 7) runs into position B at column 29"),
      std::string::npos);
}

TEST_F(TagProgramTest, CheckLayoutsExitsZeroTwoForABadCommandLineAndOneForAFileError) {
  dir_.Write("invent.dat", ItemRecord(FullResetItem()));
  EXPECT_EQ(RunProgram("", "--check-layouts"), 0);
  EXPECT_NE(dir_.Read("out.txt").find("Total: 1 item, 1 with cut fields, 1 whose parts collide.\n"),
            std::string::npos);
  EXPECT_EQ(dir_.Read("err.txt"), "");
  EXPECT_FALSE(dir_.Exists("tagsize.dat"));  // nothing is written

  EXPECT_EQ(RunProgram("", "--check-layouts --terminal"), 2);
  EXPECT_EQ(dir_.Read("err.txt"),
            "tag: --check-layouts takes no other argument\nTry 'tag --help'.\n");

  std::remove(dir_.PathOf("invent.dat").c_str());
  dir_.MakeDirectory("invent.dat");
  EXPECT_EQ(RunProgram("", "--check-layouts"), 1);
  const std::string err = dir_.Read("err.txt");
  EXPECT_EQ(err.substr(0, 5), "tag: ");
  EXPECT_NE(err.find("invent.dat"), std::string::npos);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST_F(TagProgramTest, HelpListsTheCommands) {
  EXPECT_EQ(RunProgram("", "--help"), 0);
  const std::string out = dir_.Read("out.txt");
  EXPECT_NE(out.find("Department window (Change Tag Printing Order of Information):"),
            std::string::npos);
  EXPECT_NE(out.find("  r        Set all back to default"), std::string::npos);
  EXPECT_NE(out.find("goes on with\n           the department window while that is open"),
            std::string::npos);
  EXPECT_NE(out.find("  v [N]    print the tag row"), std::string::npos);
  EXPECT_NE(out.find("  --check-layouts   print every item of invent.dat"), std::string::npos);
}

}  // namespace
}  // namespace tag
