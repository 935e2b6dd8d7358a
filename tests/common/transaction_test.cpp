#include "common/journal/transaction.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <signal.h>

#include <filesystem>
#include <functional>

#include "common/app/restore.h"
#include "common/files/file_names.h"
#include "common/files/line_file.h"
#include "common/files/record_file.h"
#include "common/journal/backup_folder.h"
#include "common/journal/backup_manifest.h"
#include "common/journal/backups.h"
#include "common/journal/work_lock.h"
#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "common/platform/interrupts.h"
#include "tests/support/counting_fault_env.h"
#include "tests/support/fault_env.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

using testing_support::CountingFaultEnv;
using testing_support::FaultMode;
using testing_support::SimulatedCrash;
using testing_support::TempDir;
using testing_support::TreeSnapshot;

constexpr char kBackups[] = "backups";

TransactionOptions Options(const char* action = "test", bool keep = true) {
  TransactionOptions options;
  options.backups = kBackups;
  options.program = "Test";
  options.action = action;
  options.keep_backup = keep;
  return options;
}

// Runs `work` as the programs do: under the working lock.
void RunLocked(Env& env, const Plan& plan, const TransactionOptions& options,
               const std::function<void(Transaction&)>& work) {
  const WorkLock lock = WorkLock::Take(env);
  RunTransaction(env, lock, plan, options, work);
}

// Replaces `name` with `text` through `env`, as the programs write line files.
void WriteLine(Env& env, const char* name, const char* text) {
  LineFileWriter file(env, name);
  WriteTextLine(file, text);
  file.Close();
}

TEST(BackupManifestTest, TextIsReadableAndReadsBack) {
  BackupManifest manifest;
  manifest.program = "Cleanslate";
  manifest.action = "sales";
  manifest.started = {2026, 12, 9, 3, 43, 7, 25};
  manifest.title = "Zero sales files";
  manifest.sequence = 12;
  manifest.entries = {{Change::kDelete, 4, 0x9a0c55e1u, false, "12.dat"},
                      {Change::kReplace, 180, 0x5du, false, "cust.dat"},
                      {Change::kCreate, 0, std::nullopt, false, "odd %name"},
                      {Change::kDelete, 0, std::nullopt, true, "link.dat"}};
  const std::string text = ManifestText(manifest);
  EXPECT_EQ(text,
            "backup of the data directory\n"
            "program: Cleanslate\n"
            "action: sales\n"
            "title: Zero sales files\n"
            "sequence: 12\n"
            "started: 2026-12-09 03:43:07.025\n"
            "checksum: xxh3\n"
            "delete 4 000000009a0c55e1 12.dat\n"
            "replace 180 000000000000005d cust.dat\n"
            "create 0 - odd %25name\n"
            "delete 0 link link.dat\n"
            "end of list\n");
  const BackupManifest read = ParseManifest(text, "manifest");
  ASSERT_EQ(read.entries.size(), 4u);
  EXPECT_EQ(read.entries[2].name, "odd %name");
  EXPECT_EQ(read.entries[0].checksum, 0x9a0c55e1u);
  EXPECT_FALSE(read.entries[2].checksum.has_value());
  EXPECT_TRUE(read.entries[3].link);
  EXPECT_EQ(read.started.minute, 43);
  EXPECT_EQ(read.sequence, 12u);
  EXPECT_EQ(read.title, "Zero sales files");
  EXPECT_EQ(read.OriginalBytes(), 184u);

  // A list cut short by a crash while it was written is no list.
  for (const std::size_t cut : {text.size() - 2, text.size() - 13, std::size_t{20}}) {
    EXPECT_THROW(ParseManifest(text.substr(0, cut), "journal"), FileError) << cut;
  }
}

class TransactionTest : public ::testing::Test {
 protected:
  TempDir dir_;
  DefaultEnv env_{dir_.path()};

  std::map<std::string, std::string> Data() const { return TreeSnapshot(dir_.path(), kBackups); }
};

// What a plan may not touch is refused before anything changes: nothing is
// written through a link, and nothing outside the directory is touched.
TEST_F(TransactionTest, ChecksRefuseBeforeAnyChange) {
  TempDir outside;
  outside.Write("target.dat", "not ours");
  dir_.Write("keep.dat", "keep");
  struct Case {
    const char* name;
    std::function<void()> make;
    const char* reason;
  };
  const Case cases[] = {
      {"a folder", [&] { dir_.MakeDirectory("cust.dat"); }, "it is a directory, not a file"},
      {"a FIFO", [&] { ::mkfifo(dir_.PathOf("cust.dat").c_str(), 0644); },
       "it is not an ordinary file"},
      {"a link out",
       [&] { ::symlink(outside.PathOf("target.dat").c_str(), dir_.PathOf("cust.dat").c_str()); },
       "it is a symbolic link, not a file"},
      {"a dangling link",
       [&] { ::symlink(outside.PathOf("nothing.dat").c_str(), dir_.PathOf("cust.dat").c_str()); },
       "it is a symbolic link, not a file"},
      {"a link in", [&] { ::symlink("keep.dat", dir_.PathOf("cust.dat").c_str()); },
       "it is a symbolic link, not a file"},
  };
  for (const Case& c : cases) {
    c.make();
    const auto before = TreeSnapshot(dir_.path());
    Plan plan(env_);
    plan.Write("cust.dat", 10);
    plan.Write("new.dat", 10);
    try {
      const WorkLock lock = WorkLock::Take(env_);
      Transaction transaction(env_, lock, plan, Options());
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const FileError& error) {
      EXPECT_EQ(error.file(), "cust.dat") << c.name;
      EXPECT_EQ(error.reason(), c.reason) << c.name;
    }
    EXPECT_EQ(TreeSnapshot(dir_.path()), before) << c.name;
    EXPECT_EQ(outside.Read("target.dat"), "not ours");
    std::filesystem::remove_all(dir_.PathOf("cust.dat"));
  }
}

class SmallDisk : public EnvWrapper {
 public:
  using EnvWrapper::EnvWrapper;
  std::uint64_t FreeSpace(const std::string&) override { return 5000; }
};

TEST_F(TransactionTest, TooLittleSpaceIsRefused) {
  dir_.Write("cust.dat", std::string(3000, 'c'));
  SmallDisk disk(env_);
  Plan plan(disk);
  plan.WriteRecords("cust.dat", 100, 0);
  try {
    const WorkLock lock = WorkLock::Take(disk);
    Transaction transaction(disk, lock, plan, Options());
    ADD_FAILURE() << "accepted";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot write \"cust.dat\": there is not enough free space on the disk (72.7 KB "
              "needed, 5000 bytes free)");
  }
  EXPECT_FALSE(dir_.Exists(kBackups));
}

// A link that a pattern deletes goes into the backup as a link and comes
// back as one; what it points to is never touched.
TEST_F(TransactionTest, DeletedLinkIsKeptAndPutBackAsALink) {
  TempDir outside;
  outside.Write("target.bud", "not ours");
  ::symlink(outside.PathOf("target.bud").c_str(), dir_.PathOf("a.bud").c_str());
  dir_.Write("b.bud", "budget");
  const auto before = Data();
  Plan plan(env_);
  plan.Delete("*.bud");
  EXPECT_THROW(RunLocked(env_, plan, Options(),
                         [](Transaction& t) {
                           DeleteIfPresent(t.env(), "*.bud");
                           throw FileError("write", "x", "stop here");
                         }),
               FileError);
  EXPECT_EQ(Data(), before);
  RunLocked(env_, plan, Options(), [](Transaction& t) { DeleteIfPresent(t.env(), "*.bud"); });
  EXPECT_FALSE(dir_.Exists("a.bud"));
  EXPECT_EQ(outside.Read("target.bud"), "not ours");
  struct stat st;
  ASSERT_EQ(
      ::lstat(OriginalPath(dir_.PathOf(ListBackups(env_, kBackups).backups.front().folder), "a.bud")
                  .c_str(),
              &st),
      0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
}

// Rewritten files keep their permissions; changing a file outside the plan
// is refused and puts everything back.
TEST_F(TransactionTest, PermissionsKeptAndUnplannedChangesRefused) {
  dir_.Write("a.pt", "old");
  ::chmod(dir_.PathOf("a.pt").c_str(), 0604);
  dir_.Write("b.pt", "old");
  Plan plan(env_);
  plan.Write("a.pt", 10);
  RunLocked(env_, plan, Options(), [](Transaction& t) { WriteLine(t.env(), "a.pt", "new"); });
  struct stat st;
  ::stat(dir_.PathOf("a.pt").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0604u);
  EXPECT_EQ(dir_.Read("a.pt"), "new\r\n");

  try {
    RunLocked(env_, plan, Options(), [](Transaction& t) {
      WriteLine(t.env(), "a.pt", "newer");
      WriteLine(t.env(), "b.pt", "not planned");
    });
    ADD_FAILURE() << "accepted";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot change \"b.pt\": it is not among the files this action was to change. "
              "Every file has been put back as it was.");
  }
  EXPECT_EQ(dir_.Read("a.pt"), "new\r\n");
  EXPECT_EQ(dir_.Read("b.pt"), "old");
}

// A record file is written as a new file beside the original: a failure in
// its second window leaves the original whole.
TEST_F(TransactionTest, RecordFileRewriteIsAllOrNothing) {
  const std::string original(3 << 20, 'o');
  dir_.Write("cust.dat", original);
  Plan plan(env_);
  plan.WriteRecords("cust.dat", 1000, 0);
  int writes = 0;
  for (int fail_at = 1;; ++fail_at) {
    CountingFaultEnv env(dir_.path(), FaultMode::kOnce, fail_at);
    try {
      RunLocked(env, plan, Options(), [](Transaction& t) {
        RecordFile file(t.env(), "cust.dat", 1000);
        for (std::int32_t n = 1; n <= file.RecordCount(); ++n) {
          file.write(n, TextRecord(std::string(1000, 'n'), 1000));
        }
        file.Close();
      });
      break;
    } catch (const FileError&) {
      EXPECT_EQ(dir_.Read("cust.dat"), original) << fail_at;
      ++writes;
    }
  }
  EXPECT_GT(writes, 10);
  // The partial record at the end stays as it was.
  EXPECT_EQ(dir_.Read("cust.dat"), std::string(3145000, 'n') + std::string(728, 'o'));
}

TEST_F(TransactionTest, OnlyTheNewestFiveOfAnActionAreKept) {
  for (int i = 0; i < 7; ++i) {
    dir_.Write("a.pt", std::to_string(i));
    Plan plan(env_);
    plan.Write("a.pt", 10);
    RunLocked(env_, plan, Options(i == 3 ? "other" : "test"),
              [](Transaction& t) { WriteLine(t.env(), "a.pt", "x"); });
  }
  std::vector<Backup> backups = ListBackups(env_, kBackups).backups;
  ASSERT_EQ(backups.size(), 6u);  // five of "test", one of "other"
  std::erase_if(backups, [](const Backup& b) { return b.manifest.action != "test"; });
  ASSERT_EQ(backups.size(), 5u);
  // Newest first: the last one kept the original "6", the oldest kept "1".
  EXPECT_EQ(ReadWholeFile(env_, OriginalPath(backups.front().folder, "a.pt")), "6");
  EXPECT_EQ(ReadWholeFile(env_, OriginalPath(backups.back().folder, "a.pt")), "1");
}

// A save whose backup is not kept leaves no backup folder at all.
TEST_F(TransactionTest, UnkeptBackupLeavesNothing) {
  Plan plan(env_);
  plan.Write("a.pt", 10);
  RunLocked(env_, plan, Options("save", false),
            [](Transaction& t) { WriteLine(t.env(), "a.pt", "x"); });
  EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"a.pt", kWorkLockFile}));
}

// A crash at any point, then the next start: every file is its original;
// and a recovery that is itself interrupted can start over.
TEST_F(TransactionTest, RecoveryAfterACrashAtEveryPoint) {
  auto fill = [](const TempDir& dir) {
    dir.Write("a.pt", "old a");
    dir.Write("b.pt", "old b");
    dir.Write("x.bud", "budget");
  };
  auto action = [](Transaction& t) {
    DeleteIfPresent(t.env(), "*.bud");
    WriteLine(t.env(), "a.pt", "new a");
    WriteLine(t.env(), "c.pt", "new c");
    RecordFile file(t.env(), "b.pt", 2);
    file.write(1, TextRecord("NE", 2));
    file.Close();
  };
  std::map<std::string, std::string> after;
  {
    TempDir dir;
    fill(dir);
    DefaultEnv env(dir.path());
    Plan plan(env);
    plan.Delete("*.bud");
    plan.Write("a.pt", 10);
    plan.Write("c.pt", 10);
    plan.WriteRecords("b.pt", 2, 1);
    RunLocked(env, plan, Options(), action);
    after = TreeSnapshot(dir.path(), kBackups);
  }
  for (int crash_at = 1;; ++crash_at) {
    TempDir dir;
    fill(dir);
    const auto before = TreeSnapshot(dir.path());
    CountingFaultEnv crashing(dir.path(), FaultMode::kCrash, crash_at);
    Plan plan(crashing);
    bool done = false;
    try {
      plan.Delete("*.bud");
      plan.Write("a.pt", 10);
      plan.Write("c.pt", 10);
      plan.WriteRecords("b.pt", 2, 1);
      RunLocked(crashing, plan, Options(), action);
      done = true;
    } catch (const SimulatedCrash&) {
    }
    if (done) break;
    // A recovery that crashes part-way, then one that gets through.
    for (int recovery_crash = 1; recovery_crash < 40; recovery_crash += 7) {
      CountingFaultEnv again(dir.path(), FaultMode::kCrash, recovery_crash);
      try {
        const WorkLock lock = WorkLock::Take(again);
        RecoverInterrupted(again, lock, kBackups);
      } catch (const SimulatedCrash&) {
      }
    }
    DefaultEnv healthy(dir.path());
    {
      const WorkLock lock = WorkLock::Take(healthy);
      RecoverInterrupted(healthy, lock, kBackups);
    }
    // Stopped after its commit mark, the action stays done and its backup
    // complete; before it, every file is its original and no backup is left.
    const bool committed = !ListBackups(healthy, kBackups).backups.empty();
    EXPECT_EQ(TreeSnapshot(dir.path(), kBackups), committed ? after : before)
        << "crash at " << crash_at;
    if (!committed && dir.Exists(kBackups)) {
      EXPECT_EQ(TreeSnapshot(dir.PathOf(kBackups)).size(), 0u) << "crash at " << crash_at;
    }
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace common

namespace common {
namespace {

// The program asked to stop while it changes files (a closed terminal, a
// kill, Ctrl+C): every file is put back and the error says why; the signal
// does not end the program before that.
TEST_F(TransactionTest, SignalDuringTheTransactionPutsEveryFileBack) {
  dir_.Write("a.pt", "old a");
  dir_.Write("x.bud", "budget");
  const auto before = Data();
  for (const int signal_number : {SIGTERM, SIGHUP, SIGINT}) {
    Plan plan(env_);
    plan.Delete("*.bud");
    plan.Write("a.pt", 10);
    try {
      RunLocked(env_, plan, Options(), [&](Transaction& t) {
        DeleteIfPresent(t.env(), "*.bud");
        ::raise(signal_number);
        WriteLine(t.env(), "a.pt", "new a");
      });
      ADD_FAILURE() << signal_number << ": not stopped";
    } catch (const FileError& error) {
      EXPECT_TRUE(std::string(error.what())
                      .starts_with("Cannot finish \"test\": the program "
                                   "was asked to stop ("))
          << error.what();
      EXPECT_TRUE(std::string(error.what()).ends_with(". Every file has been put back as it was."))
          << error.what();
    }
    EXPECT_EQ(Data(), before) << signal_number;
    EXPECT_TRUE(StoppedFromOutside());
  }
  // Outside a transaction the signals are the program's as before.
  struct sigaction now {};
  ::sigaction(SIGTERM, nullptr, &now);
  EXPECT_EQ(now.sa_handler, SIG_DFL);
}

// Case twins on a case-sensitive disk: a restore puts each back under its
// own name.
TEST_F(TransactionTest, CaseTwinsComeBackUnderTheirOwnNames) {
  dir_.Write("2TWIN.DAT", "upper");
  dir_.Write("2twin.dat", "lower");
  const auto before = Data();
  Plan plan(env_);
  plan.Delete("2*.dat");
  RunLocked(env_, plan, Options(), [](Transaction& t) { DeleteIfPresent(t.env(), "2*.dat"); });
  EXPECT_TRUE(dir_.Names() == std::vector<std::string>({kBackups, kWorkLockFile}));
  const Backup backup = ListBackups(env_, kBackups).backups.front();
  const WorkLock lock = WorkLock::Take(env_);
  RestoreBackup(env_, lock, backup, Options("restore"), {});
  EXPECT_EQ(Data(), before);
}

// The checks name the user's files and the backups folder, never a working
// file: not enough room says what the backups hold; a failing manifest
// names the backup folder.
TEST_F(TransactionTest, ErrorsNameTheFilesTheUserKnows) {
  dir_.Write("a.pt", "a");
  {
    Plan plan(env_);
    plan.Write("a.pt", 10);
    RunLocked(env_, plan, Options(), [](Transaction& t) { WriteLine(t.env(), "a.pt", "b"); });
  }
  SmallDisk disk(env_);
  Plan plan(disk);
  plan.Write("a.pt", 10);
  try {
    RunLocked(disk, plan, Options(), [](Transaction&) {});
    ADD_FAILURE() << "accepted";
  } catch (const FileError& error) {
    EXPECT_NE(std::string(error.what()).find("; the backups in \"backups\" hold "),
              std::string::npos)
        << error.what();
  }

  testing_support::FaultEnv faulty(dir_.path());
  faulty.FailNext(testing_support::FaultOp::kCreateTemp, "manifest.new");
  try {
    Plan again(faulty);
    again.Write("a.pt", 10);
    RunLocked(faulty, again, Options(), [](Transaction& t) { WriteLine(t.env(), "a.pt", "c"); });
    ADD_FAILURE() << "accepted";
  } catch (const FileError& error) {
    EXPECT_TRUE(error.file().starts_with("backups/0002 ")) << error.what();
    EXPECT_EQ(std::string(error.what()).find("manifest.new"), std::string::npos) << error.what();
  }
  EXPECT_EQ(dir_.Read("a.pt"), "b\r\n");
}

// A link in a backup folder is never followed: an originals folder that is
// a link stops the recovery, and nothing where it points is touched.
TEST_F(TransactionTest, LinkedOriginalsFolderIsNeverFollowed) {
  TempDir elsewhere;
  elsewhere.Write("cust.dat", "somebody else's file");
  const std::string folder = std::string(kBackups) + "/0001 2026-12-09 0343 test";
  std::filesystem::create_directories(dir_.PathOf(folder));
  dir_.Write(folder + "/marker", std::string(kMarkerText) + "\n");
  ::symlink(elsewhere.path().c_str(), dir_.PathOf(folder + "/originals").c_str());
  dir_.Write(folder + "/journal",
             "backup of the data directory\nprogram: Tag\naction: test\n"
             "started: 2026-12-09 03:43:00\ndelete 20 - cust.dat\nend of list\n");
  try {
    const WorkLock lock = WorkLock::Take(env_);
    RecoverInterrupted(env_, lock, kBackups);
    ADD_FAILURE() << "followed the link";
  } catch (const FileError& error) {
    EXPECT_NE(std::string(error.what()).find("it is a symbolic link, not a folder"),
              std::string::npos)
        << error.what();
  }
  EXPECT_EQ(elsewhere.Read("cust.dat"), "somebody else's file");
  EXPECT_FALSE(dir_.Exists("cust.dat"));
  // And the Env itself refuses to go through a linked folder.
  EXPECT_THROW(env_.OpenForReading(folder + "/originals/cust.dat"), FileError);
  EXPECT_THROW(env_.RemoveFile(folder + "/originals/cust.dat"), FileError);
}

}  // namespace
}  // namespace common
