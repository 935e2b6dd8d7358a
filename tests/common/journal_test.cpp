// The safety layer as a store meets it, on every platform: one working lock
// per data directory, recovery that never overwrites what changed since,
// backups read as untrusted input, and listings, restores and pruning that
// one damaged backup cannot stop.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "common/app/backup_commands.h"
#include "common/app/restore.h"
#include "common/files/file_names.h"
#include "common/files/line_file.h"
#include "common/files/record_file.h"
#include "common/journal/backup_folder.h"
#include "common/journal/backup_manifest.h"
#include "common/journal/backups.h"
#include "common/journal/transaction.h"
#include "common/journal/work_lock.h"
#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "common/platform/paths.h"
#include "tests/support/counting_fault_env.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

using testing_support::CountingFaultEnv;
using testing_support::FaultMode;
using testing_support::ScriptedMessages;
using testing_support::SimulatedCrash;
using testing_support::TempDir;
using testing_support::TreeSnapshot;
using Tree = std::map<std::string, std::string>;

constexpr char kBackups[] = "tag-backups";

TransactionOptions Options(const char* action = "test", bool keep = true) {
  TransactionOptions options;
  options.backups = kBackups;
  options.program = "Tag";
  options.action = action;
  options.title = std::string("Test ") + action;
  options.keep_backup = keep;
  return options;
}

void WriteLine(Env& env, const char* name, const char* text) {
  LineFileWriter file(env, name);
  WriteTextLine(file, text);
  file.Close();
}

void Save(Env& env, const std::function<void(Plan&)>& plan,
          const std::function<void(Transaction&)>& work,
          const TransactionOptions& options = Options()) {
  const WorkLock lock = WorkLock::Take(env);
  Plan planned(env);
  plan(planned);
  RunTransaction(env, lock, planned, options, work);
}

class JournalTest : public ::testing::Test {
 protected:
  TempDir dir_;
  DefaultEnv env_{dir_.path()};

  Tree Data() const { return TreeSnapshot(dir_.path(), kBackups); }

  std::vector<std::string> Subfolders() const {
    std::vector<std::string> names;
    if (!dir_.Exists(kBackups)) return names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.PathOf(kBackups))) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // A complete backup by hand, as a damaged or planted one would be.
  void PlantBackup(const std::string& name, const std::string& manifest,
                   const std::map<std::string, std::string>& originals = {}) {
    const std::string folder = std::string(kBackups) + "/" + name;
    std::filesystem::create_directories(dir_.PathOf(folder + "/originals"));
    dir_.Write(folder + "/marker", std::string(kMarkerText) + "\n");
    dir_.Write(folder + "/manifest", manifest);
    for (const auto& [file, bytes] : originals) dir_.Write(folder + "/originals/" + file, bytes);
  }
};

// --- The working lock ------------------------------------------------------

// Two programs on one directory: while one holds the lock, the other can
// neither change files nor put anything back, and nothing is lost.
TEST_F(JournalTest, SecondHolderIsRefusedWhileTheFirstWorks) {
  dir_.Write("a.pt", "old a");
  DefaultEnv other(dir_.path());
  {
    const WorkLock lock = WorkLock::Take(env_);
    EXPECT_THROW(WorkLock::Take(other), DirectoryBusy);
    EXPECT_TRUE(WorkLock::HeldElsewhere(other));
    // An action begun under the first lock is open: a start of the other
    // program does not take its journal for an interrupted one.
    Plan plan(env_);
    plan.Write("a.pt", 10);
    Transaction transaction(env_, lock, plan, Options());
    WriteLine(transaction.env(), "a.pt", "new a");
    ScriptedMessages messages;
    try {
      RecoverAtStart(other, messages);
      ADD_FAILURE() << "a running action was taken for an interrupted one";
    } catch (const DirectoryBusy& busy) {
      EXPECT_EQ(std::string(busy.what()),
                "Another Cleanslate or Tag is working on this data directory. Nothing has been "
                "changed; start again once it has finished.");
    }
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(PendingNotes(other),
              std::vector<std::string>{
                  "Another Cleanslate or Tag is working on this data directory right now."});
    transaction.Commit();
  }
  EXPECT_EQ(dir_.Read("a.pt"), "new a\r\n");
  EXPECT_NO_THROW(WorkLock::Take(other));
  EXPECT_FALSE(WorkLock::HeldElsewhere(other));
}

// A start with nothing to put back leaves no trace, not even the lock's file.
TEST_F(JournalTest, StartWithNothingToRecoverTouchesNothing) {
  dir_.Write("a.pt", "a");
  ScriptedMessages messages;
  RecoverAtStart(env_, messages);
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"a.pt"});
}

// --- Recovery after a kill -------------------------------------------------

class InterruptedAction : public JournalTest {
 protected:
  static void Fill(const TempDir& dir) {
    dir.Write("a.pt", "old a");
    dir.Write("b.dat", std::string(300, 'b'));
    dir.Write("c.bud", "budget c");
    dir.Write("d.bud", "budget d");
  }
  void SetUp() override { Fill(dir_); }

  static void Plan(common::Plan& plan) {
    plan.Delete("*.bud");
    plan.Write("a.pt", 20);
    plan.Write("n.pt", 20);
    plan.WriteRecords("b.dat", 100, 3);
  }
  static void Work(Transaction& t) {
    DeleteIfPresent(t.env(), "*.bud");
    WriteLine(t.env(), "a.pt", "new a");
    WriteLine(t.env(), "n.pt", "new n");
    RecordFile file(t.env(), "b.dat", 100);
    file.write(2, TextRecord(std::string(100, 'N'), 100));
    file.Close();
  }

  // The action killed after its last change, before its commit: the
  // journal is all that is left of it.
  void KillBeforeCommit() {
    int before_commit = 0;
    {
      TempDir probe;
      Fill(probe);
      CountingFaultEnv counting(probe.path(), FaultMode::kOnce, 0);
      Save(counting, Plan, [&](Transaction& t) {
        Work(t);
        before_commit = counting.operations();
      });
    }
    CountingFaultEnv killed(dir_.path(), FaultMode::kCrash, before_commit + 1);
    EXPECT_THROW(Save(killed, Plan, Work), SimulatedCrash);
  }
};

// Only what is still as the action left it is put back; a file changed
// since, and a new file where the action deleted one, stay as they are,
// their originals kept in a backup that --restore puts back.
TEST_F(InterruptedAction, RecoveryPutsBackOnlyWhatIsAsTheActionLeftIt) {
  KillBeforeCommit();
  EXPECT_EQ(dir_.Read("a.pt"), "new a\r\n");
  EXPECT_FALSE(dir_.Exists("c.bud"));
  // A week of store use: "a.pt" rewritten, a new "c.bud"; "n.pt" and
  // "b.dat" untouched, "d.bud" still gone.
  dir_.Write("a.pt", "the store's newer a");
  dir_.Write("c.bud", "the store's new budget");

  ScriptedMessages messages;
  RecoverAtStart(env_, messages);
  EXPECT_EQ(dir_.Read("a.pt"), "the store's newer a");
  EXPECT_EQ(dir_.Read("c.bud"), "the store's new budget");
  EXPECT_EQ(dir_.Read("d.bud"), "budget d");
  EXPECT_EQ(dir_.Read("b.dat"), std::string(300, 'b'));
  EXPECT_FALSE(dir_.Exists("n.pt"));

  ASSERT_EQ(messages.texts().size(), 1u);
  const std::string text = messages.texts()[0];
  const BackupList list = ListBackups(env_, kBackups);
  ASSERT_EQ(list.backups.size(), 1u);
  const std::string folder = LastPart(list.backups[0].folder);
  EXPECT_NE(text.find("Tag was stopped before it had finished \"Test test\", started on "),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("put back as it was, except these, which have changed since and were "
                      "left as they are: \"c.bud\", \"a.pt\".\rThe originals are kept in the "
                      "backup \"" +
                      folder + "\"; tag --restore \"" + folder + "\" puts them back."),
            std::string::npos)
      << text;

  // The kept originals come back on request, the newer files kept in turn.
  ScriptedMessages answers;
  answers.Answer({Answer::kYes});
  std::ostringstream err;
  BackupCommandOptions options;
  options.restore = Options("restore");
  EXPECT_EQ(RestoreCommand(env_, answers, options, folder, err), 0) << err.str();
  EXPECT_EQ(dir_.Read("a.pt"), "old a");
  EXPECT_EQ(dir_.Read("c.bud"), "budget c");
}

// Run twice, a recovery finds nothing more to do; killed part-way, it starts
// over and ends the same.
TEST_F(InterruptedAction, RecoveryInterruptedStartsOver) {
  KillBeforeCommit();
  for (int crash_at = 1; crash_at < 60; crash_at += 3) {
    CountingFaultEnv again(dir_.path(), FaultMode::kCrash, crash_at);
    ScriptedMessages ignored;
    try {
      RecoverAtStart(again, ignored);
    } catch (const SimulatedCrash&) {
    }
  }
  ScriptedMessages messages;
  RecoverAtStart(env_, messages);
  EXPECT_EQ(dir_.Read("a.pt"), "old a");
  EXPECT_EQ(dir_.Read("b.dat"), std::string(300, 'b'));
  EXPECT_EQ(dir_.Read("c.bud"), "budget c");
  EXPECT_EQ(dir_.Read("d.bud"), "budget d");
  EXPECT_FALSE(dir_.Exists("n.pt"));
  EXPECT_TRUE(Subfolders().empty());
  EXPECT_LE(messages.texts().size(), 1u);
  ScriptedMessages again;
  RecoverAtStart(env_, again);
  EXPECT_TRUE(again.texts().empty());
}

// --plan and --list-backups say that an interrupted action waits.
TEST_F(InterruptedAction, PendingRecoveryIsNoted) {
  KillBeforeCommit();
  const std::vector<std::string> notes = PendingNotes(env_);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_TRUE(notes[0].starts_with("\"Test test\", started on ")) << notes[0];
  EXPECT_TRUE(
      notes[0].ends_with(", was interrupted: the next start of Cleanslate or Tag puts "
                         "its files back before anything else."))
      << notes[0];
}

// --- Backups are untrusted input --------------------------------------------

std::string Manifest(const std::string& entries, const std::string& extra = "") {
  return "backup of the data directory\nprogram: Tag\naction: test\ntitle: Test\nsequence: 1\n"
         "started: 2026-12-09 03:43:00.000\nchecksum: xxh3\n" +
         extra + entries + "end of list\n";
}

// A journal or manifest naming anything but a plain name in the data
// directory is refused whole: recovery stops and names the folder, the
// listing skips it, and nothing outside the data directory is touched.
TEST_F(JournalTest, NamesReachingOutsideAreRefused) {
  TempDir outside;
  outside.Write("target", "not ours");
  const std::string there = "../" + LastPart(outside.path()) + "/target";
  std::vector<std::string> planted = {"../x", "/abs", "a/b", ".", "..", "x%00y", "x%01y", there};
  if (IsPathSeparator('\\')) {
    planted.push_back("a\\b");
    planted.push_back("c:\\x");
  }
  const std::string folder = std::string(kBackups) + "/0001 2026-12-09 0343 test";
  for (const std::string& name : planted) {
    SCOPED_TRACE(name);
    std::filesystem::remove_all(dir_.PathOf(kBackups));
    // As a journal: the next start stops, says where and what to do.
    std::filesystem::create_directories(dir_.PathOf(folder + "/originals"));
    dir_.Write(folder + "/marker", std::string(kMarkerText) + "\n");
    dir_.Write(folder + "/originals/target", "kept");
    dir_.Write(folder + "/journal",
               Manifest("create 0 - " + name + "\n") + "made 4 0000000000000001 - " + name + "\n");
    ScriptedMessages messages;
    try {
      RecoverAtStart(env_, messages);
      ADD_FAILURE() << "recovered from a journal naming " << name;
    } catch (const FileError& error) {
      const std::string text = error.what();
      EXPECT_NE(text.find("whose journal cannot be used, so nothing has been put back"),
                std::string::npos)
          << text;
      EXPECT_NE(text.find(folder), std::string::npos) << text;
    }
    EXPECT_EQ(outside.Read("target"), "not ours");
    EXPECT_TRUE(dir_.Exists(folder + "/journal"));
    // As a manifest: skipped with a warning, so no restore can reach it.
    std::filesystem::remove(dir_.PathOf(folder + "/journal"));
    dir_.Write(folder + "/manifest",
               Manifest("delete 4 " + ChecksumText(ChecksumOf("kept")) + " " + name + "\n"));
    const BackupList list = ListBackups(env_, kBackups);
    EXPECT_TRUE(list.backups.empty());
    ASSERT_EQ(list.warnings.size(), 1u);
    EXPECT_NE(list.warnings[0].find("skipped the damaged backup"), std::string::npos);
  }
  EXPECT_EQ(outside.Names(), std::vector<std::string>{"target"});
}

// An originals folder that is not a folder stops the recovery before it
// reads or moves anything.
TEST_F(JournalTest, OriginalsThatAreNoFolderAreRefused) {
  const std::string folder = std::string(kBackups) + "/0001 2026-12-09 0343 test";
  std::filesystem::create_directories(dir_.PathOf(folder));
  dir_.Write(folder + "/marker", std::string(kMarkerText) + "\n");
  dir_.Write(folder + "/originals", "a file");
  dir_.Write(folder + "/journal", Manifest("delete 3 - a.pt\n"));
  ScriptedMessages messages;
  EXPECT_THROW(RecoverAtStart(env_, messages), FileError);
  EXPECT_EQ(dir_.Read(folder + "/originals"), "a file");
}

// Checksums and sizes are strict: a manifest without them, or with sizes
// past 64 bits, is unreadable; a kept file that differs from its manifest
// is never put back, and nothing changes.
TEST_F(JournalTest, DamagedOrTamperedBackupsAreRefused) {
  const std::string sum = ChecksumText(ChecksumOf("kept a"));
  const struct {
    const char* what;
    std::string entries;
  } unreadable[] = {
      {"a checksum written as -", "replace 6 - a.pt\n"},
      {"a size past 64 bits", "replace 18446744073709551616 " + sum + " a.pt\n"},
      {"a short checksum", "replace 6 1234 a.pt\n"},
      {"a created file with a size", "create 6 - a.pt\n"},
      {"an unknown change", "rename 6 " + sum + " a.pt\n"},
  };
  for (const auto& c : unreadable) {
    EXPECT_THROW(ParseManifest(Manifest(c.entries), "manifest"), FileError) << c.what;
  }
  EXPECT_THROW(ParseManifest(Manifest("", "checksum: md5\n"), "manifest"), FileError);

  dir_.Write("a.pt", "now a");
  const struct {
    const char* what;
    std::string size;
    std::string kept;
    const char* reason;
  } tampered[] = {
      {"same size, other bytes", "6", "KEPT A", "is damaged (its checksum differs)"},
      {"another size", "6", "kept a, longer", "is damaged (its size differs)"},
      {"a size near 2^64", "18446744073709551615", "kept a", "is damaged (its size differs)"},
  };
  for (const auto& c : tampered) {
    std::filesystem::remove_all(dir_.PathOf(kBackups));
    PlantBackup("0001 2026-12-09 0343 test", Manifest("replace " + c.size + " " + sum + " a.pt\n"),
                {{"a.pt", c.kept}});
    ScriptedMessages messages;
    messages.Answer({Answer::kYes});
    std::ostringstream err;
    BackupCommandOptions options;
    options.restore = Options("restore");
    try {
      RestoreCommand(env_, messages, options, std::nullopt, err);
      ADD_FAILURE() << c.what << ": restored";
    } catch (const FileError& error) {
      EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos)
          << c.what << ": " << error.what();
    }
    EXPECT_EQ(dir_.Read("a.pt"), "now a") << c.what;
  }
}

// One damaged backup does not stop the others: they are listed, restored
// and pruned, and it is skipped with one warning.
TEST_F(JournalTest, DamagedBackupIsSkippedByListRestoreAndPrune) {
  PlantBackup("0001 2026-12-09 0343 test", "backup of the data directory\nprogram: Tag\n");
  for (int i = 0; i < 7; ++i) {
    dir_.Write("a.pt", "a" + std::to_string(i));
    Save(
        env_, [](Plan& plan) { plan.Write("a.pt", 10); },
        [](Transaction& t) { WriteLine(t.env(), "a.pt", "x"); });
  }
  const BackupList list = ListBackups(env_, kBackups);
  EXPECT_EQ(list.backups.size(), 5u);
  ASSERT_EQ(list.warnings.size(), 1u);
  EXPECT_NE(list.warnings[0].find("0001 2026-12-09 0343 test"), std::string::npos);
  EXPECT_EQ(Subfolders().size(), 6u);  // five, and the damaged one kept

  std::ostringstream out, err;
  PrintBackups(env_, kBackups, out, err);
  EXPECT_NE(err.str().find("skipped the damaged backup"), std::string::npos);
  EXPECT_NE(out.str().find("In all "), std::string::npos) << out.str();

  ScriptedMessages messages;
  messages.Answer({Answer::kYes});
  BackupCommandOptions options;
  options.restore = Options("restore");
  EXPECT_EQ(RestoreCommand(env_, messages, options, std::nullopt, err), 0);
  EXPECT_EQ(dir_.Read("a.pt"), "a6");
}

// Backups are ordered by their sequence, never by the clock: made while
// the clock was a year ahead, the older ones are still the older ones, and
// the backup just made is never pruned by its own commit.
TEST_F(JournalTest, OrderIsBySequenceNotByClock) {
  class ClockEnv : public EnvWrapper {
   public:
    using EnvWrapper::EnvWrapper;
    LocalTime Now() override { return now; }
    LocalTime now;
  };
  ClockEnv clock(env_);
  for (int i = 0; i < 6; ++i) {
    clock.now = i < 5 ? LocalTime{2027, 12, 9, 12, 0, 0, 0} : LocalTime{2026, 12, 9, 12, 0, 0, 0};
    dir_.Write("a.pt", "a" + std::to_string(i));
    Save(
        clock, [](Plan& plan) { plan.Write("a.pt", 10); },
        [](Transaction& t) { WriteLine(t.env(), "a.pt", "x"); });
  }
  const std::vector<Backup> backups = ListBackups(env_, kBackups).backups;
  ASSERT_EQ(backups.size(), 5u);
  EXPECT_EQ(backups.front().manifest.sequence, 6u);
  EXPECT_EQ(backups.front().manifest.started.year, 2026);
  EXPECT_EQ(ReadWholeFile(env_, OriginalPath(backups.front().folder, "a.pt")), "a5");
  EXPECT_EQ(backups.back().manifest.sequence, 2u);
}

// Only folders the programs made are ever removed: a folder a person put
// into the backups folder stays, whatever it holds.
TEST_F(JournalTest, ForeignFoldersAreNeverRemoved) {
  dir_.MakeDirectory(kBackups);
  dir_.MakeDirectory(std::string(kBackups) + "/my own notes");
  dir_.Write(std::string(kBackups) + "/my own notes/list.txt", "mine");
  dir_.MakeDirectory(std::string(kBackups) + "/0009 2026-12-09 0343 test");
  dir_.Write(std::string(kBackups) + "/0009 2026-12-09 0343 test/kept.txt", "mine too");
  ScriptedMessages messages;
  RecoverAtStart(env_, messages);
  for (int i = 0; i < 7; ++i) {
    Save(
        env_, [](Plan& plan) { plan.Write("a.pt", 10); },
        [](Transaction& t) { WriteLine(t.env(), "a.pt", "x"); });
  }
  RecoverAtStart(env_, messages);
  EXPECT_EQ(dir_.Read(std::string(kBackups) + "/my own notes/list.txt"), "mine");
  EXPECT_EQ(dir_.Read(std::string(kBackups) + "/0009 2026-12-09 0343 test/kept.txt"), "mine too");
  // The new backups number on from the highest folder there.
  EXPECT_EQ(ListBackups(env_, kBackups).backups.front().manifest.sequence, 16u);
}

// A backup written before sequences and XXH3: no sequence, no title,
// CRC-32 checksums. It is listed and restored all the same.
TEST_F(JournalTest, OlderBackupStillRestores) {
  // 0xcbf43926 is the CRC-32 of "123456789".
  PlantBackup("2026-12-09 0343 sales",
              "backup of the data directory\nprogram: Cleanslate\naction: sales\n"
              "started: 2026-12-09 03:43:10.250\n"
              "delete 9 cbf43926 12.dat\n"
              "end of list\n",
              {{"12.dat", "123456789"}});
  const BackupList list = ListBackups(env_, kBackups);
  ASSERT_EQ(list.backups.size(), 1u) << (list.warnings.empty() ? "" : list.warnings[0]);
  EXPECT_EQ(list.backups[0].manifest.title, "sales");
  EXPECT_EQ(list.backups[0].manifest.checksum_kind, ChecksumKind::kCrc32);
  ScriptedMessages messages;
  messages.Answer({Answer::kYes});
  std::ostringstream err;
  BackupCommandOptions options;
  options.restore = Options("restore");
  EXPECT_EQ(RestoreCommand(env_, messages, options, std::nullopt, err), 0) << err.str();
  EXPECT_EQ(dir_.Read("12.dat"), "123456789");
}

// The restore question names the files, the first twenty and then how many
// more, in the singular or the plural as it should.
TEST_F(JournalTest, RestoreQuestionNamesTheFiles) {
  std::string entries;
  std::map<std::string, std::string> kept;
  for (int i = 1; i <= 23; ++i) {
    const std::string name = std::to_string(i) + ".dat";
    entries += "delete 4 " + ChecksumText(ChecksumOf("sale")) + " " + name + "\n";
    kept[name] = "sale";
  }
  PlantBackup("0002 2026-12-09 0343 sales", Manifest(entries), kept);
  PlantBackup("0001 2026-12-09 0343 one",
              Manifest("delete 4 " + ChecksumText(ChecksumOf("sale")) + " 1.dat\n"),
              {{"1.dat", "sale"}});
  ScriptedMessages messages;
  messages.Answer({Answer::kNo, Answer::kYes});
  std::ostringstream err;
  BackupCommandOptions options;
  options.restore = Options("restore");
  EXPECT_EQ(RestoreCommand(env_, messages, options, std::nullopt, err), 0);
  EXPECT_EQ(RestoreCommand(env_, messages, options, "0001 2026-12-09 0343 one", err), 0);
  const std::vector<std::string> texts = messages.texts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_TRUE(
      texts[0].starts_with("Put back the 23 files as they were before \"Test\" on "
                           "2026-12-09 at 03:43?\r\r  \"1.dat\" put back\r  \"2.dat\" put back"))
      << texts[0];
  EXPECT_NE(texts[0].find("\"20.dat\" put back\r  and 3 more\r\r"), std::string::npos) << texts[0];
  EXPECT_EQ(texts[1], "You didn't choose YES so nothing was done");
  EXPECT_TRUE(texts[2].starts_with("Put back the file as it was before \"Test\"")) << texts[2];
  EXPECT_EQ(texts[3], "The file is back as it was before \"Test\" on 2026-12-09 at 03:43.");
  EXPECT_EQ(dir_.Read("1.dat"), "sale");
}

// A file no restore may remove stays, whatever the backup says.
TEST_F(JournalTest, NeverRemovedFilesSurviveARestore) {
  Save(
      env_, [](Plan& plan) { plan.Write("NOZERO.DAT", 20); },
      [](Transaction& t) { WriteLine(t.env(), "NOZERO.DAT", "No Zero"); });
  const Backup backup = ListBackups(env_, kBackups).backups.front();
  EXPECT_TRUE(RestorePlan(env_, backup, {"nozero.dat"}).files().empty());
  EXPECT_EQ(RestorePlan(env_, backup, {}).files().size(), 1u);
}

// Numbers in a backup cannot wrap: sizes near 2^64 add up to the largest
// number, never to a small one.
TEST(BackupSizesTest, SumsSaturate) {
  BackupManifest manifest;
  manifest.entries = {{Change::kDelete, UINT64_MAX - 1, 1u, false, "a"},
                      {Change::kDelete, 5, 2u, false, "b"}};
  EXPECT_EQ(manifest.OriginalBytes(), UINT64_MAX);
  EXPECT_EQ(SizeText(UINT64_MAX), "18.4 EB");
}

// The checksums against their published check values.
TEST(ChecksumTest, KnownValues) {
  EXPECT_EQ(ChecksumText(ChecksumOf("123456789", ChecksumKind::kCrc32), ChecksumKind::kCrc32),
            "cbf43926");
  EXPECT_EQ(ChecksumText(ChecksumOf("")), "2d06800538d394c2");
  Checksummer pieces;
  pieces.Update("1234");
  pieces.Update("56789");
  EXPECT_EQ(pieces.Digest(), ChecksumOf("123456789"));
}

}  // namespace
}  // namespace common
