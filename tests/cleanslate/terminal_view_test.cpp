#include "cleanslate/terminal/terminal_view.h"
#include "common/app/terminal/terminal_io.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/platform/default_env.h"
#include "tests/support/fixed_sources.h"
#include "tests/support/platform.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::FixedClock;
using testing_support::FixedRandom;
using testing_support::Snapshot;
using testing_support::TempDir;

constexpr char kList[] =
    "\nMaking Files for Brillora Program \n"
    "== Zeroing Files ==\n"
    "   1  Zero sales files\n"
    "   2  Zero customers files\n"
    "   3  Zero A/P invoice files\n"
    "   4  Zero orders files\n"
    "   5  Zero customers balances only\n"
    "   6  Zero inventory files\n"
    "   7  Zero suppliers files\n"
    "   8  Zero budget files\n"
    "   9  Zero checkbook files\n"
    "  10  Zero envelope files\n"
    "  11  Zero staff files\n"
    "  12  Zero everything\n"
    "  13  No more zeroing (This will cancel this program)\n"
    "  14  Don't zero anything\n"
    "Pick a line (1-14): ";

constexpr char kDanger[] =
    "\n[Cleanslate]\n- EXTREME DANGER -\n\nUSE THIS PROGRAM WITH GREAT CARE!\n\n\n"
    "Are you sure that you want to use this program?\n[y/N] ";

struct Dialogue {
  int status;
  std::string out, err;
};

Dialogue RunWith(const TempDir& dir, const std::string& input) {
  common::DefaultEnv env(dir.path());
  FixedRandom random;
  FixedClock clock;
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunTerminal(in, out, err, env, random, clock);
  return {status, out.str(), err.str()};
}

TEST(TerminalViewTest, LineNumbersAreWholeNumbersOnly) {
  struct Case {
    const char* line;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {"8", 8},
      {"  15 ", 15},
      {"+3", 3},
      {"-2", -2},
      {"0", 0},
      {"", {}},
      {"abc", {}},
      {"8x", {}},
      {"8 8", {}},
      {"+", {}},
      {"+-3", {}},
      {"2.0", {}},
      {"2147483647", 2147483647},
      {"2147483648", {}},
      {"-2147483648", {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(common::WholeNumber(c.line), c.expected) << '"' << c.line << '"';
}

TEST(TerminalViewTest, UnknownTextAsksAgainAndFifteenReachesTheUnprogrammedChoice) {
  TempDir dir;
  dir.Write("a.bud", "x");
  const Dialogue run = RunWith(dir, "y\nsales\n15\n\n8\ny\n\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            std::string(kDanger) + kList +
                "Please type a line number from 1 to 14, or end the input to close the window.\n"
                "Pick a line (1-14): "
                "\n[Cleanslate]\nChoice #  14 has not been programmed yet.\n[press Enter] " +
                kList +
                "\n[Cleanslate]\nAll budget files will be erased.\n"
                "Are you sure that you want to do this?\n[y/N/c] "
                "\n[Cleanslate]\nThe budget files have been zeroed.\n[press Enter] ");
  EXPECT_TRUE(testing_support::DataNames(dir).empty());
}

TEST(TerminalViewTest, EndOfInputClosesTheWindowAndTouchesNothing) {
  for (const char* input : {"y\n", "y\n99\n", ""}) {
    TempDir dir;
    dir.Write("cust.dat", "customers");
    const auto before = Snapshot(dir);
    const Dialogue run = RunWith(dir, input);
    EXPECT_EQ(run.status, 0) << input;
    EXPECT_EQ(Snapshot(dir), before) << input;
  }
}

TEST(TerminalViewTest, LockEndsWithStatusZero) {
  TempDir dir;
  dir.Write("nozero.dat", "");
  const Dialogue run = RunWith(dir, "\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "\n[Cleanslate]\nThe Zero Files Function has been locked.\n\nIf you want to "
            "reactivate it\ncontact the Brillora Company.\n[press Enter] ");
}

// The real program through a pipe, in a directory of its own.
struct ProgramRun {
  int status;
  std::string out, err;
};

ProgramRun RunProgram(const TempDir& dir, const std::string& input) {
  dir.Write(".input", input);
  const std::string command =
      "cd '" + dir.path() + "' && " + CLEANSLATE_PROGRAM + " --terminal < .input > .out 2> .err";
  ProgramRun run{testing_support::RunShell(command), dir.Read(".out"), dir.Read(".err")};
  std::remove(dir.PathOf(".input").c_str());
  std::remove(dir.PathOf(".out").c_str());
  std::remove(dir.PathOf(".err").c_str());
  return run;
}

TEST(TerminalProgramTest, CustomerResetThroughAPipe) {
  REQUIRE_POSIX_SHELL();
  TempDir dir;
  dir.Write("cust.dat", std::string(360, 'c'));
  dir.Write("note.dat", "notes");
  const ProgramRun run = RunProgram(dir, "y\n2\ny\n\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  // The data directory's full path comes first, once.
  const std::string path_line =
      "Data directory: " + std::filesystem::canonical(dir.path()).string() + "\n";
  EXPECT_EQ(run.out.substr(0, path_line.size()), path_line);
  EXPECT_EQ(run.out.find(path_line, 1), std::string::npos);
  EXPECT_NE(run.out.find("The customer files have been zeroed. You will have to run a SORT "
                         "EVERYTHING immediatly to have Brillora work.\n[press Enter] "),
            std::string::npos)
      << run.out;
  EXPECT_EQ(dir.Read("cust.dat").substr(0, 7), "SAMPLER");
  EXPECT_EQ(dir.Read("cust.dat").substr(180), std::string(180, 'c'));
  EXPECT_EQ(dir.Read("cust.pt"), " 1\r\n 1\r\n");
  EXPECT_EQ(dir.Read("note.pt"), " 1\r\n");
  EXPECT_EQ(dir.Read("note.dat"), "notes");
}

TEST(TerminalProgramTest, FileErrorThroughAPipe) {
  REQUIRE_POSIX_SHELL();
  TempDir dir;
  dir.Write("1998.dat", "sales");
  const ProgramRun run = RunProgram(dir, "y\n1\ny\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "cleanslate: Cannot open \"cust.pt\": No such file or directory\n");
  EXPECT_TRUE(dir.Exists("1998.dat"));
}

}  // namespace
}  // namespace cleanslate
