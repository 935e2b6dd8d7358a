#include "tag/terminal/tag_terminal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "common/default_env.h"
#include "tests/support/platform.h"
#include "tests/support/temp_dir.h"
#include "tests/tag/dept_fixture.h"

namespace tag {
namespace {

using testing_support::TempDir;
using Names = std::vector<std::string>;

const common::ProgramInfo kInfo{"tag", "Tag", "Edits the price tag layout.", kTerminalHelp};
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
    const int status = RunTagTerminal(env, in, out, err, kInfo);
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
  EXPECT_EQ(dir_.Names(), (Names{"dept.dat", "tagsize.dat"}));
}

TEST_F(TagTerminalTest, TheDefaultResetAsksAndClosesTheWindow) {
  dir_.Write("dept.dat", DeptFile({DeptRecord("GENTS RINGS")}));
  dir_.Write("GENTAGS.DAT", "x\r\n");
  dir_.Write("DEFTAGS.DAT", "x\r\n");
  const Session s = Run("o\nr\ny\nn\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_NE(s.out.find("[Y/n]"), std::string::npos) << s.out;
  EXPECT_EQ(dir_.Names(), (Names{"DEFTAGS.DAT", "dept.dat", "tagsize.dat"}));
  EXPECT_NE(s.out.rfind("tags layout> "), std::string::npos);
  EXPECT_GT(s.out.rfind("tags layout> "), s.out.rfind("department window> "));
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

TEST_F(TagProgramTest, HelpListsTheCommands) {
  EXPECT_EQ(RunProgram("", "--help"), 0);
  const std::string out = dir_.Read("out.txt");
  EXPECT_NE(out.find("Department window (Change Tag Printing Order of Information):"),
            std::string::npos);
  EXPECT_NE(out.find("  r        Set all back to default"), std::string::npos);
}

}  // namespace
}  // namespace tag
