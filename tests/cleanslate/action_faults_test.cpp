// Every action of the reset utility under a failing file system: the N-th
// file operation fails (once, or from then on) or the program is killed
// there, for N = 1, 2, ... until the action gets through. Whatever N, the
// data directory afterwards holds either every original file, byte for byte
// and with its permissions, or the action's complete result; a failure the
// program could not mend itself is mended by the next start.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "cleanslate/action_runner.h"
#include "cleanslate/category_resets.h"
#include "cleanslate/confirmations.h"
#include "cleanslate/full_reset.h"
#include "common/journal/backups.h"
#include "common/journal/work_lock.h"
#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tests/support/counting_fault_env.h"
#include "tests/support/fixed_sources.h"
#include "tests/support/record_bytes.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::CountingFaultEnv;
using testing_support::FaultMode;
using testing_support::FixedClock;
using testing_support::FixedRandom;
using testing_support::OldRecords;
using testing_support::RecordingHost;
using testing_support::ScriptedMessages;
using testing_support::SimulatedCrash;
using testing_support::TempDir;
using testing_support::TreeSnapshot;
using Tree = std::map<std::string, std::string>;

// A store with something for every action to delete, replace or keep.
void FillStore(const TempDir& dir) {
  std::string customers = OldRecords(4, 180);
  for (int n = 0; n < 4; ++n) {
    customers.replace(n * 180 + 102, 12, "LINKLINKLINK");
    customers.replace(n * 180 + 114, 8, " 100.00 ");
  }
  dir.Write("cust.dat", customers);
  dir.Write("cust.pt", " 3\r\n 3\r\n");
  // Odd permissions, which a replaced file keeps (only POSIX has these bits).
  namespace fs = std::filesystem;
  const fs::perms owner_rw = fs::perms::owner_read | fs::perms::owner_write;
  fs::permissions(dir.PathOf("cust.pt"), owner_rw | fs::perms::group_read);
  dir.Write("note.pt", " 7\r\n");
  dir.Write("1998.dat", "sale");
  dir.Write("2ABC.PTN", "sale count");
  dir.Write("a.bud", "budget");
  dir.Write("cb1.dat", "checkbook");
  dir.Write("cb2.pt", "checkbook count");
  dir.Write("order.dat", OldRecords(2, 135));
  dir.Write("ap.ptn", " 78\r\n");
  dir.Write("INVENT.DAT", OldRecords(3, 248));
  fs::permissions(dir.PathOf("INVENT.DAT"), owner_rw);
  dir.Write("supplier.dat", OldRecords(6, 243));
  dir.Write("repair.dat", OldRecords(2, 189));
  dir.Write("enote.dat", "envelope notes");
  dir.Write("staff.hhh", OldRecords(30, 149));
  dir.Write("staff.dat", "older staff");
  dir.Write("brillora.ini", std::string(50, 'b'));
  dir.Write("tagsize.dat", "layout");
  dir.Write("x.day", "day");
  dir.Write("notes.txt", "survives everything");
  dir.MakeDirectory("archive");
  dir.Write("archive/cust.dat", "survives everything");
}

struct Action {
  const char* name;
  std::function<void(const ActionContext&, RecordingHost&)> run;
  bool asks = false;  // answers Yes to its question
};

std::vector<Action> AllActions() {
  std::vector<Action> actions;
  for (const CategoryReset* reset :
       {&kSalesReset, &kCustomersReset, &kPayablesReset, &kOrdersReset, &kBalancesReset,
        &kInventoryReset, &kSuppliersReset, &kBudgetReset, &kCheckbookReset, &kEnvelopesReset,
        &kStaffReset}) {
    actions.push_back({reset->backup_name, [reset](const ActionContext& c, RecordingHost& h) {
                         RunCategoryReset(*reset, c, h);
                       }});
  }
  actions.push_back(
      {"everything", [](const ActionContext& c, RecordingHost& h) { RunFullReset(c, h); }});
  actions.push_back({"lock", [](const ActionContext& c, RecordingHost&) { LockZeroing(c); }, true});
  return actions;
}

// The backup folders of unfinished or failed actions: none may be left.
std::vector<std::string> LeftBackups(const TempDir& dir) {
  if (!dir.Exists(kBackupFolder)) return {};
  std::vector<std::string> left;
  for (const auto& [name, bytes] : TreeSnapshot(dir.PathOf(kBackupFolder))) {
    if (name.find('/') == std::string::npos && bytes.find("manifest") == std::string::npos) {
      left.push_back(name);
    }
  }
  // A complete backup has a manifest; anything else is left over.
  std::vector<std::string> unfinished;
  for (const std::string& name : left) {
    if (!dir.Exists(std::string(kBackupFolder) + "/" + name + "/manifest")) {
      unfinished.push_back(name);
    }
  }
  return unfinished;
}

class ActionFaultsTest : public ::testing::TestWithParam<FaultMode> {
 protected:
  FixedRandom random_;
  FixedClock clock_;

  // Runs `action` with the N-th operation failing; true when it got through.
  bool RunFailingAt(const Action& action, const TempDir& dir, int n, int* operations,
                    std::string* error) {
    CountingFaultEnv env(dir.path(), GetParam(), n);
    ScriptedMessages messages;
    if (action.asks) messages.Answer({common::Answer::kYes});
    RecordingHost host;
    bool done = false;
    try {
      action.run(ActionContext{env, messages, random_, clock_}, host);
      done = true;
    } catch (const common::FileError& e) {
      *error = e.what();
    } catch (const SimulatedCrash&) {
      *error = "crash";
    }
    *operations = env.operations();
    return done;
  }
};

TEST_P(ActionFaultsTest, EveryFailureLeavesTheOriginalsOrTheWholeResult) {
  for (const Action& action : AllActions()) {
    // The result of an undisturbed run, and how many operations it takes.
    Tree expected_after;
    int operations = 0;
    {
      TempDir dir;
      FillStore(dir);
      std::string error;
      ASSERT_TRUE(RunFailingAt(action, dir, 0, &operations, &error)) << action.name << error;
      expected_after = TreeSnapshot(dir.path(), kBackupFolder);
    }
    // "Zero everything" commits before "FINISHED"; a failure in its last
    // two files leaves that: "note.pt" with its short line, no "CONVERT.ONE".
    std::optional<Tree> finished;
    if (std::string(action.name) == "everything") {
      finished = expected_after;
      finished->erase("CONVERT.ONE");
      std::string& note = (*finished)["note.pt"];
      note = " 1\r\n" + note.substr(note.rfind(" mode "));
    }
    // One of the states an interrupted or failed run may leave.
    const auto whole = [&](const Tree& tree, const Tree& before) {
      return tree == before || tree == expected_after || (finished && tree == *finished);
    };
    ASSERT_GT(operations, 3) << action.name;
    for (int n = 1; n <= operations; ++n) {
      TempDir dir;
      FillStore(dir);
      const Tree before = TreeSnapshot(dir.path());
      std::string error;
      int ignored = 0;
      if (RunFailingAt(action, dir, n, &ignored, &error)) {
        // A failure after the commit only tidies less away.
        EXPECT_EQ(TreeSnapshot(dir.path(), kBackupFolder), expected_after)
            << action.name << " failing at " << n;
        continue;
      }
      if (GetParam() == FaultMode::kOnce) {
        const Tree left = TreeSnapshot(dir.path(), kBackupFolder);
        if (!finished || left != *finished) {
          EXPECT_EQ(left, before) << action.name << " failing at " << n << ": " << error;
        }
      } else {
        // The next start puts back what the failing run could not. A run
        // stopped after its commit mark (the last directory sync) stays
        // done.
        common::DefaultEnv healthy(dir.path());
        const common::WorkLock lock = common::WorkLock::Take(healthy);
        common::RecoverInterrupted(healthy, lock, kBackupFolder);
        const Tree after = TreeSnapshot(dir.path(), kBackupFolder);
        if (!whole(after, before)) {
          EXPECT_EQ(after, before) << action.name << " failing at " << n << ": " << error;
        }
      }
      EXPECT_EQ(LeftBackups(dir), std::vector<std::string>{}) << action.name << " failing at " << n;
      if (HasFailure()) return;  // one broken case says enough
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, ActionFaultsTest,
                         ::testing::Values(FaultMode::kOnce, FaultMode::kFromThen,
                                           FaultMode::kCrash),
                         [](const ::testing::TestParamInfo<FaultMode>& info) {
                           switch (info.param) {
                             case FaultMode::kOnce:
                               return std::string("Once");
                             case FaultMode::kFromThen:
                               return std::string("FromThenOn");
                             case FaultMode::kCrash:
                               return std::string("Crash");
                           }
                           return std::string();
                         });

}  // namespace
}  // namespace cleanslate
