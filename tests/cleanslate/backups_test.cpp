// The backups as the user meets them: the message at the start after an
// interrupted run, and the real program's --plan, --list-backups and
// --restore through a pipe, with a restore undone in turn.

#include <gtest/gtest.h>

#include "cleanslate/category_resets.h"
#include "cleanslate/makefile_window.h"
#include "common/journal/backups.h"
#include "common/journal/work_lock.h"
#include "common/platform/default_env.h"
#include "tests/support/counting_fault_env.h"
#include "tests/support/fixed_sources.h"
#include "tests/support/platform.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::CountingFaultEnv;
using testing_support::FaultMode;
using testing_support::FixedClock;
using testing_support::FixedRandom;
using testing_support::RecordingHost;
using testing_support::ScriptedMessages;
using testing_support::SimulatedCrash;
using testing_support::TempDir;
using testing_support::TreeSnapshot;

constexpr char kBackups[] = "cleanslate-backups";

struct ProgramRun {
  int status;
  std::string out;
  std::string err;
};

// The real program in `dir` with `args`, fed `input` through a pipe.
ProgramRun Program(const TempDir& dir, const std::string& args, const std::string& input) {
  TempDir output;
  const std::string command = "cd '" + dir.path() + "' && printf '" + input + "' | '" +
                              CLEANSLATE_PROGRAM + "' " + args + " > '" + output.PathOf("out") +
                              "' 2> '" + output.PathOf("err") + "'";
  const int status = testing_support::RunShell(command);
  return {status, output.Read("out"), output.Read("err")};
}

void FillStore(const TempDir& dir) {
  dir.Write("cust.dat", std::string(180, 'c').replace(102, 12, "LINKLINKLINK"));
  dir.Write("cust.pt", " 1\r\n 1\r\n");
  dir.Write("12.dat", "sale");
  dir.Write("3.PTN", "sale count");
}

// A run killed in the middle of the sales reset: the next start puts every
// file back and says so once, before the lock test and the danger question.
TEST(RecoveryTest, TheNextStartPutsBackAndSaysSo) {
  TempDir dir;
  FillStore(dir);
  const auto before = TreeSnapshot(dir.path());
  FixedRandom random;
  FixedClock clock;
  // Killed at the first point where the files are half changed.
  for (int n = 1; TreeSnapshot(dir.path(), kBackups) == before; ++n) {
    ASSERT_LT(n, 200);
    common::DefaultEnv healthy(dir.path());
    {
      const common::WorkLock lock = common::WorkLock::Take(healthy);
      common::RecoverInterrupted(healthy, lock, kBackups);
    }
    CountingFaultEnv killed(dir.path(), FaultMode::kCrash, n);
    ScriptedMessages messages;
    RecordingHost host;
    EXPECT_THROW(
        RunCategoryReset(kSalesReset, ActionContext{killed, messages, random, clock}, host),
        SimulatedCrash);
  }

  common::DefaultEnv env(dir.path());
  ScriptedMessages messages;
  messages.Answer({common::Answer::kNo});
  RecordingHost host;
  MakefileWindow window(ActionContext{env, messages, random, clock}, host);
  window.Form_Load();
  const std::vector<std::string> texts = messages.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_TRUE(texts[0].starts_with(
      "Cleanslate was stopped before it had finished \"Zero sales files\", started on "))
      << texts[0];
  EXPECT_TRUE(texts[0].ends_with(".\rEvery file it had changed has been put back as it was."))
      << texts[0];
  EXPECT_TRUE(texts[1].starts_with("- EXTREME DANGER -"));
  EXPECT_EQ(TreeSnapshot(dir.path(), kBackups), before);
  EXPECT_EQ(testing_support::DataNames(dir).size(), dir.Names().size() - 2);  // backups, lock
  EXPECT_TRUE(common::ListBackups(env, kBackups).backups.empty());
}

TEST(BackupCommandsTest, PlanListRestoreAndUndoTheRestore) {
  REQUIRE_POSIX_SHELL();
  TempDir dir;
  FillStore(dir);
  const auto before = TreeSnapshot(dir.path());

  const ProgramRun plan = Program(dir, "--plan 1", "");
  EXPECT_EQ(plan.status, 0) << plan.err;
  EXPECT_EQ(plan.out,
            "Choice 1, \"Zero sales files\", would change 3 files:\n"
            "  delete  \"12.dat\"  (4 bytes)\n"
            "  delete  \"3.PTN\"  (10 bytes)\n"
            "  replace  \"cust.dat\"  (180 bytes now, at most 180 after): sale links blanked in "
            "records 1 to 1\n"
            "Its backup in \"cleanslate-backups\" would hold 194 bytes (the files it deletes or "
            "replaces); the backups there hold 0 bytes now, and the newest five of each choice "
            "are kept.\n"
            "Nothing has been changed.\n");
  EXPECT_EQ(TreeSnapshot(dir.path()), before);
  EXPECT_EQ(Program(dir, "--plan 15", "").status, 2);

  const ProgramRun reset = Program(dir, "--terminal", "y\\n1\\ny\\n\\n");
  ASSERT_EQ(reset.status, 0) << reset.err;
  const auto after = TreeSnapshot(dir.path(), kBackups);
  EXPECT_EQ(testing_support::DataNames(dir), (std::vector<std::string>{"cust.dat", "cust.pt"}));

  const ProgramRun list = Program(dir, "--list-backups", "");
  EXPECT_EQ(list.status, 0);
  EXPECT_NE(list.out.find("  Zero sales files  3 files  194 bytes  \"0001 "), std::string::npos)
      << list.out;

  // No is the default: an empty answer puts nothing back.
  const ProgramRun declined = Program(dir, "--restore --terminal", "\\n\\n");
  EXPECT_EQ(declined.status, 0);
  EXPECT_NE(declined.out.find("Put back the 3 files as they were before \"Zero sales files\" on "),
            std::string::npos)
      << declined.out;
  EXPECT_NE(declined.out.find("  \"12.dat\" put back\n  \"3.PTN\" put back\n  \"cust.dat\" put "
                              "back\n"),
            std::string::npos)
      << declined.out;
  EXPECT_NE(declined.out.find("[y/N]"), std::string::npos);
  EXPECT_EQ(TreeSnapshot(dir.path(), kBackups), after);

  const ProgramRun restore = Program(dir, "--restore --terminal", "y\\n\\n");
  EXPECT_EQ(restore.status, 0) << restore.err;
  EXPECT_EQ(TreeSnapshot(dir.path(), kBackups), before);

  // The restore kept what it replaced: restoring that undoes the restore.
  common::DefaultEnv env(dir.path());
  const std::vector<common::Backup> backups = common::ListBackups(env, kBackups).backups;
  ASSERT_EQ(backups.size(), 2u);
  EXPECT_EQ(backups[0].manifest.action, "restore");
  const std::string name = backups[0].folder.substr(std::string(kBackups).size() + 1);
  const ProgramRun undo = Program(dir, "--terminal --restore '" + name + "'", "y\\n\\n");
  EXPECT_EQ(undo.status, 0) << undo.err;
  EXPECT_EQ(TreeSnapshot(dir.path(), kBackups), after);

  const ProgramRun missing = Program(dir, "--restore nonesuch --terminal", "");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("There is no backup \"nonesuch\""), std::string::npos);
}

}  // namespace
}  // namespace cleanslate
